#include "engine/prompts.h"

#include "base/lottery_kind.h"
#include "engine/methods.h"

MethodPrompt methodPrompt(std::string_view methodText, int kind, int total, int count)
{
    MethodPrompt prompt;
    prompt.generalized = methodText == kGeneralizedMethod;
    const bool lotto = isLotto(kind);
    const std::string n = std::to_string(total);
    const std::string highest = lotto ? n : std::to_string(total - 1);
    const std::string lowest = lotto ? "1" : "0";
    const std::string k = std::to_string(count);

    prompt.initialCaption = "原始号码：请输入1个" + lowest + "--" + highest + "范围内数字";
    if (prompt.generalized)
        prompt.boxesCaption = "控制量数：请输入" + k + "个1--" + k + "范围内数字（可以重复）";
    else
        prompt.boxesCaption = "原始号码：请输入" + k + "个" + lowest + "--" + highest + "范围内数字"
                              + (lotto ? "（不重复）" : "（可以重复）");
    return prompt;
}

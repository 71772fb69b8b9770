#include "engine/prompts.h"

#include "engine/methods.h"

MethodPrompt methodPrompt(std::string_view methodText, const Lottery &lottery)
{
    MethodPrompt prompt;
    prompt.generalized = methodText == kGeneralizedMethod;
    const LotteryZone front = lottery.front();
    const bool lotto = front.isLotto();
    const std::string highest = std::to_string(front.highest());
    const std::string lowest = std::to_string(front.lowest());
    const std::string k = std::to_string(front.count);

    prompt.initialCaption = "原始号码：请输入1个" + lowest + "--" + highest + "范围内数字";
    if (prompt.generalized)
        prompt.boxesCaption = "控制量数：请输入" + k + "个1--" + k + "范围内数字（可以重复）";
    else
        prompt.boxesCaption = "原始号码：请输入" + k + "个" + lowest + "--" + highest + "范围内数字"
                              + (lotto ? "（不重复）" : "（可以重复）");
    return prompt;
}

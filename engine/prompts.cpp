#include "engine/prompts.h"

#include "engine/methods.h"

#include <algorithm>

namespace {

std::string range(const LotteryZone &zone)
{
    return std::to_string(zone.lowest()) + "--" + std::to_string(zone.highest());
}

// The back zone's part of the box caption. Its boxes hold its own numbers
// under every method, the generalized one included.
std::string backCaption(const Lottery &lottery)
{
    const LotteryZone back = lottery.back();
    std::string caption = "＋" + lottery.backName + std::to_string(back.count) + "个" + range(back);
    if (back.count > 1)
        caption += back.isLotto() ? "（不重复）" : "（可以重复）";
    return caption;
}

} // namespace

MethodPrompt methodPrompt(std::string_view methodText, const Lottery &lottery)
{
    MethodPrompt prompt;
    prompt.generalized = methodText == kGeneralizedMethod;
    const LotteryZone front = lottery.front();
    const std::string k = std::to_string(front.count);

    prompt.initialCaption = "原始号码：请输入1个" + range(front) + "范围内数字";
    if (prompt.generalized)
        prompt.boxesCaption = "控制量数：请输入" + k + "个1--" + k + "范围内数字（可以重复）";
    else
        prompt.boxesCaption = "原始号码：请输入" + k + "个" + range(front) + "范围内数字"
                              + (front.isLotto() ? "（不重复）" : "（可以重复）");
    if (lottery.hasBack())
        prompt.boxesCaption += backCaption(lottery);
    return prompt;
}

int boxDigits(const Lottery &lottery, bool generalized, size_t box)
{
    int highest = lottery.front().highest();
    if (box >= static_cast<size_t>(lottery.count))
        highest = lottery.back().highest();
    else if (generalized)
        highest = lottery.count;
    return static_cast<int>(std::to_string(std::max(highest, 1)).size());
}

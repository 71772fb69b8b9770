#include "base/lottery.h"

Check Lottery::problem() const
{
    if (kind != Lotto && kind != Digit)
        return Refusal{"彩票类型为" + std::to_string(kind) + "，程序只能处理乐透型（0）和数字型（1）。"};
    if (count < 1 || count > kMaxBoxCount)
        return Refusal{"号码个数为" + std::to_string(count) + "，程序只能处理1到"
                       + std::to_string(kMaxBoxCount) + "个号码。"};
    if (total < 1 || total > kMaxTotal)
        return Refusal{"号码总数为" + std::to_string(total) + "，程序只能处理1到" + std::to_string(kMaxTotal)
                       + "的号码总数。"};
    if (isLotto() && count > total)
        return Refusal{"乐透型彩票的号码个数" + std::to_string(count) + "不能大于号码总数"
                       + std::to_string(total) + "。"};
    // A back zone half described (a name or a total but a count of 0) is no
    // single pool either.
    if (!hasBack() && backName.empty() && backTotal == 0)
        return std::nullopt;
    if (backName.empty())
        return Refusal{"后区没有名称。"};
    if (backTotal < 1 || backTotal > kMaxTotal)
        return Refusal{backName + "总数为" + std::to_string(backTotal) + "，程序只能处理1到"
                       + std::to_string(kMaxTotal) + "的" + backName + "总数。"};
    if (backCount < 1 || backCount > backTotal)
        return Refusal{backName + "个数为" + std::to_string(backCount) + "，" + backName + "个数应在1到"
                       + backName + "总数" + std::to_string(backTotal) + "之间。"};
    if (numberCount() > kMaxBoxCount)
        return Refusal{"号码个数与" + backName + "个数共" + std::to_string(numberCount())
                       + "个，程序一注只能处理" + std::to_string(kMaxBoxCount) + "个号码。"};
    return std::nullopt;
}

std::string Lottery::frontZoneName() const
{
    return frontName.empty() ? std::string(kDefaultFrontName) : frontName;
}

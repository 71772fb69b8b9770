#include "base/lottery.h"

std::optional<std::string> Lottery::problem() const
{
    if (kind != Lotto && kind != Digit)
        return "彩票类型为" + std::to_string(kind) + "，程序只能处理乐透型（0）和数字型（1）。";
    if (kind != Lotto && kind != Digit)
        return "彩票类型为" + std::to_string(kind) + "，程序只能处理乐透型（0）和数字型（1）。";
    if (count < 1 || count > kMaxBoxCount)
        return "号码个数为" + std::to_string(count) + "，程序只能处理1到"
               + std::to_string(kMaxBoxCount) + "个号码。";
    if (total < 1 || total > kMaxTotal)
        return "号码总数为" + std::to_string(total) + "，程序只能处理1到"
               + std::to_string(kMaxTotal) + "的号码总数。";
    if (isLotto() && count > total)
        return "乐透型彩票的号码个数" + std::to_string(count) + "不能大于号码总数"
               + std::to_string(total) + "。";
    return std::nullopt;
}

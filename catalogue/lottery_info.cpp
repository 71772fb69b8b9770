#include "catalogue/lottery_info.h"

#include "base/int_text.h"
#include "base/lottery_kind.h"

LotteryInfo lotteryFromRow(const CatalogueRow &row)
{
    LotteryInfo lottery;
    lottery.name = row.name;
    lottery.kind = strToInt(row.kind.toStdString());
    lottery.count = strToInt(row.count.toStdString());
    lottery.total = strToInt(row.total.toStdString());
    return lottery;
}

std::optional<QString> lotteryProblem(const LotteryInfo &lottery)
{
    const QString name = QStringLiteral("彩票“") + lottery.name + QStringLiteral("”");
    if (lottery.count < 1 || lottery.count > kMaxBoxCount)
        return name + QStringLiteral("的号码个数为%1，程序只能处理1到%2个号码。")
                          .arg(lottery.count)
                          .arg(kMaxBoxCount);
    if (lottery.total < 1 || lottery.total > kMaxTotal)
        return name + QStringLiteral("的号码总数为%1，程序只能处理1到%2的号码总数。")
                          .arg(lottery.total)
                          .arg(kMaxTotal);
    if (isLotto(lottery.kind) && lottery.count > lottery.total)
        return name + QStringLiteral("是乐透型，号码个数%1不能大于号码总数%2。")
                          .arg(lottery.count)
                          .arg(lottery.total);
    return std::nullopt;
}

#include "catalogue/lottery_info.h"

#include "base/int_text.h"
#include "base/quoted_qstring.h"

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
    const auto problem = lotteryRuleProblem(lottery.kind, lottery.total, lottery.count);
    if (!problem)
        return std::nullopt;
    return QStringLiteral("彩票“") + quotedText(lottery.name) + QStringLiteral("”的")
           + QString::fromStdString(*problem);
}

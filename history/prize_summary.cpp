// Checking the bets against one draw, and the line that sums it up.
#include "history/prize_check.h"

DrawCheck checkBets(const std::vector<LotteryNumbers> &bets, const Draw &draw, const DrawShape &shape,
                    const PrizeTable &table, const CheckOptions &options)
{
    const HistoryChecker checker({draw}, shape, table, options);
    DrawCheck result;
    if (const PrizeVersion *version = checker.versionOf(0)) {
        result.priceFen = version->priceFen;
        result.highCondition = version->highCondition;
    }
    for (const LotteryNumbers &bet : bets) {
        result.bets.push_back(checker.checkOne(bet, 0));
        if (!result.bets.back().rated && result.unrated.empty())
            result.unrated = checker.unratedReason(bet, 0);
    }
    return result;
}

std::string DrawCheck::summary() const
{
    const std::string count = "共" + std::to_string(bets.size()) + "注";
    int rated = 0, winners = 0, floating = 0;
    std::int64_t fixed = 0, fixedHigh = 0;
    for (const BetCheck &bet : bets) {
        rated += bet.rated ? 1 : 0;
        if (bet.level.empty())
            continue;
        ++winners;
        if (bet.prize.floating) {
            ++floating;
            continue;
        }
        fixed += bet.prize.fen;
        fixedHigh += bet.prize.highFen.value_or(bet.prize.fen);
    }
    if (rated == 0)
        return count + "（" + unrated + "）";
    std::string text = count + " 投入" + yuanText(priceFen * static_cast<std::int64_t>(bets.size()))
                       + "元 中奖" + std::to_string(winners) + "注 奖金" + yuanText(fixed) + "元";
    if (fixedHigh != fixed)
        text += "（" + highCondition + "时" + yuanText(fixedHigh) + "元）";
    if (floating > 0)
        text += "（另有浮动奖" + std::to_string(floating) + "注）";
    const size_t unratedBets = bets.size() - static_cast<size_t>(rated);
    if (unratedBets > 0)
        text += "（" + std::to_string(unratedBets) + "注" + unrated + "）";
    return text;
}

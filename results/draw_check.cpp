#include "results/draw_check.h"

#include "base/int_text.h"

#include <algorithm>

std::vector<bool> betHits(const std::vector<std::string> &bet, const std::vector<int> &winning,
                          const LotteryZone &zone)
{
    std::vector<int> values;
    values.reserve(bet.size());
    for (const std::string &cell : bet)
        values.push_back(parseInt(cell).value_or(-1));
    return zoneHits(values, winning, !zone.isLotto());
}

std::vector<bool> drawHits(const std::vector<std::string> &bet, const LotteryNumbers &winning,
                           const Lottery &lottery)
{
    const auto split = bet.begin() + std::min(bet.size(), static_cast<size_t>(lottery.count));
    std::vector<bool> hits = betHits({bet.begin(), split}, winning.front, lottery.front());
    const std::vector<bool> back = betHits({split, bet.end()}, winning.back, lottery.back());
    hits.insert(hits.end(), back.begin(), back.end());
    return hits;
}

std::string copiedBets(const std::vector<std::vector<std::string>> &rows, const Lottery &lottery)
{
    std::string text;
    for (const auto &row : rows)
        text += lottery.betText(row) + '\n';
    return text;
}

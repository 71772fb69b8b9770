#include "results/draw_check.h"

#include "base/int_text.h"

#include <algorithm>

std::vector<bool> betHits(const std::vector<std::string> &bet, const std::vector<int> &winning,
                          const LotteryZone &zone)
{
    std::vector<bool> hits(bet.size(), false);
    for (size_t i = 0; i < bet.size(); ++i) {
        const auto value = parseInt(bet[i]);
        if (!value)
            continue;
        if (zone.isLotto())
            hits[i] = std::find(winning.begin(), winning.end(), *value) != winning.end();
        else
            hits[i] = i < winning.size() && winning[i] == *value;
    }
    return hits;
}

std::vector<bool> drawHits(const std::vector<std::string> &bet, const WinningNumbers &winning,
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

#pragma once

#include <optional>
#include <vector>

// The numbers of one bet or one draw of a lottery, by zone: the front, the
// back zone (empty for a single pool) and, for a draw of 七乐彩, its special
// number. Bets, typed draws and stored draws all hold their numbers so.
struct LotteryNumbers
{
    std::vector<int> front;
    std::vector<int> back;
    std::optional<int> special = std::nullopt;

    bool empty() const { return front.empty() && back.empty(); }
    friend bool operator==(const LotteryNumbers &, const LotteryNumbers &) = default;
};

// The one rule of which numbers of a bet's zone hit a draw's zone: in a
// Lotto zone every number that was drawn, in a Digit zone (byPosition) every
// position holding the digit drawn there. Negative values stand for cells
// that are no number and never hit.
std::vector<bool> zoneHits(const std::vector<int> &bet, const std::vector<int> &drawn, bool byPosition);

// How many numbers of the zone hit, by the same rule.
int zoneHitCount(const std::vector<int> &bet, const std::vector<int> &drawn, bool byPosition);

#pragma once

#include "base/lottery.h"

#include <string>
#include <vector>

// Checking bets against a draw (开奖对照).

// The numbers of one draw, by zone; `back` is empty for a single pool.
struct WinningNumbers
{
    std::vector<int> front;
    std::vector<int> back;

    bool empty() const { return front.empty() && back.empty(); }
    friend bool operator==(const WinningNumbers &, const WinningNumbers &) = default;
};

// Which numbers of one zone of a bet match: for a Lotto zone every number
// that is among the winning numbers, for a Digit zone every position that
// holds the winning number of that position. Cells that are no number
// never hit.
std::vector<bool> betHits(const std::vector<std::string> &bet, const std::vector<int> &winning,
                          const LotteryZone &zone);

// The same for a whole bet, front then back, each zone against its own
// winning numbers.
std::vector<bool> drawHits(const std::vector<std::string> &bet, const WinningNumbers &winning,
                           const Lottery &lottery);

// The text copied for some rows of bets: one row a line, its numbers as
// Lottery::betText writes them.
std::string copiedBets(const std::vector<std::vector<std::string>> &rows, const Lottery &lottery);

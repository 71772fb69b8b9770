#pragma once

#include "base/lottery.h"
#include "base/lottery_numbers.h"

#include <string>
#include <vector>

// Checking bets against a draw (开奖对照).

// Which numbers of one zone of a row of the grid hit, by the one hit rule
// of the zone's kind. Cells that are no number never hit.
std::vector<bool> betHits(const std::vector<std::string> &bet, const std::vector<int> &winning,
                          const LotteryZone &zone);

// The same for a whole bet, front then back, each zone against its own
// winning numbers.
std::vector<bool> drawHits(const std::vector<std::string> &bet, const LotteryNumbers &winning,
                           const Lottery &lottery);

// The text copied for some rows of bets: one row a line, its numbers as
// Lottery::betText writes them.
std::string copiedBets(const std::vector<std::vector<std::string>> &rows, const Lottery &lottery);

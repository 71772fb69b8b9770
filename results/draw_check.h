#pragma once

#include "base/lottery.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// Checking bets against a draw (开奖对照).

// The winning numbers the player typed for a lottery: numbers separated by
// blanks, commas or 、; a Digit lottery's single-digit numbers may also be
// typed together ("385"). Either the numbers or the message that refuses
// them.
std::variant<std::vector<int>, std::string> parseWinningNumbers(const std::string &text,
                                                                const Lottery &lottery);

// Which numbers of one bet match: for a Lotto lottery every number that is
// among the winning numbers, for a Digit lottery every position that holds
// the winning number of that position. Cells that are no number never hit.
std::vector<bool> betHits(const std::vector<std::string> &bet, const std::vector<int> &winning,
                          const LotteryZone &zone);

// The text copied for some rows of bets: the numbers of a row separated by
// single spaces, one row a line.
std::string copiedBets(const std::vector<std::vector<std::string>> &rows);

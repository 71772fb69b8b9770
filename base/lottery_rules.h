#pragma once

#include <optional>
#include <string>

// The lotteries the program can serve: of kind 0 (Lotto) or 1 (Digit), 1 to 55 numbers a bet (the row of
// boxes holds no more), a total of 1 to 99 (numbers are held as two
// digits), and a Lotto count no larger than its total (a Lotto bet holds
// distinct numbers).
inline constexpr int kMaxBoxCount = 55;
inline constexpr int kMaxTotal = 99;

// Why a lottery of this kind, total and count cannot be served, or nothing.
std::optional<std::string> lotteryRuleProblem(int kind, int total, int count);

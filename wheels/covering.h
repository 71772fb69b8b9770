#pragma once

#include "base/outcome.h"

#include <cstdint>
#include <string>
#include <vector>

// A 旋转矩阵 (wheel): bets of K numbers out of the V numbers a player chose,
// with the guarantee "中M保T": whichever M of the V numbers are drawn, some
// bet holds at least T of them. Numbers are 1..V; a bet is a bit mask with
// bit i − 1 for number i, which is why V stays at most kMaxWheelNumbers.
inline constexpr int kMaxWheelNumbers = 35;
// Every M-set of the V numbers is one counter while searching and checking;
// C(35, 7) is the largest case that keeps that within tens of megabytes.
inline constexpr std::uint64_t kMaxWheelTargets = 7'000'000;

using BetMask = std::uint64_t;

struct WheelTerms
{
    int v = 0; // numbers chosen
    int k = 0; // numbers a bet
    int m = 0; // numbers drawn among the chosen ones ("中m")
    int t = 0; // numbers guaranteed in one bet ("保t")

    friend bool operator==(const WheelTerms &, const WheelTerms &) = default;
    // "中5保4", as the player reads the guarantee.
    std::string guarantee() const;
};

// Why no wheel can be made for this terms (a Chinese sentence), or nothing:
// 2 ≤ T ≤ M ≤ K, K < V ≤ 35, and C(V, M) within kMaxWheelTargets.
Check wheelTermsProblem(const WheelTerms &terms);

// The exact check of the guarantee: every M-set of 1..V is tried against the
// T-sets the bets cover. False also for a bet that is not K numbers of 1..V.
// The terms must have no problem.
bool verifyWheel(const WheelTerms &terms, const std::vector<BetMask> &bets);

// A bet's numbers, ascending, 1-based.
std::vector<int> betNumbers(BetMask bet);
BetMask betMask(const std::vector<int> &numbers);

// The wheel's bets in the player's own numbers: number i of the wheel is
// chosen[i − 1] (chosen holds V numbers); each bet ascending, the bets in
// lexicographic order.
std::vector<std::vector<int>> wheelBets(const std::vector<BetMask> &bets, const std::vector<int> &chosen);

// One bet a line, numbers in two-digit form separated by single spaces
// ("01 02 05 07 11"), bets in ascending order.
std::string wheelText(const std::vector<BetMask> &bets);
// The bets of wheelText's form; lines starting with '#' and empty lines are
// skipped. Nothing for a line that is not numbers 1..35 without repeats.
std::optional<std::vector<BetMask>> parseWheelText(const std::string &text);
// The same bets in the order wheelText writes them.
std::vector<BetMask> sortedBets(std::vector<BetMask> bets);

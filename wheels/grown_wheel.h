#pragma once

#include "wheels/covering.h"
#include "wheels/wheel_shelf.h"

#include <optional>
#include <vector>

// A wheel for V numbers, 中T保T, grown from two wheels for the numbers
// 1..V−1: `without` (K a bet, 中T保T) as it is, and `beside` (K − 1 a bet,
// 中(T−1)保(T−1)) with number V added to each of its bets. A T-set without V
// meets a bet of the first in T numbers; one with V meets a bet of the
// second in its other T − 1, and that bet holds V too.
std::vector<BetMask> grownWheel(int v, const std::vector<BetMask> &without,
                                const std::vector<BetMask> &beside);

// The grown wheel for `terms` (M = T) from the smaller wheels on the shelf;
// one the shelf lacks is searched for up to `seconds` first (0: the greedy
// one). Nothing when M ≠ T. The result passes verifyWheel.
std::optional<std::vector<BetMask>> grownWheel(const WheelShelf &shelf, const WheelTerms &terms,
                                               double seconds);

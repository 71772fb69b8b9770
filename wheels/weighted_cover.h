#pragma once

#include "wheels/covering.h"
#include "wheels/number_group.h"
#include "wheels/orbit_search.h"

#include <cstdint>
#include <vector>

// The most pairs (K-set orbit, T-set orbit it covers) the weighted cover
// takes on: 8 million pairs are some 100 MB of tables. C(20, 7) × C(7, 5)
// is 1.6 million, so every wheel of the shipped tables fits even without a
// group; 35 numbers with 7 a bet do not.
inline constexpr std::uint64_t kMaxCoverPairs = 8'000'000;

// The most K-sets the weighted cover sorts into orbits before it starts:
// C(25, 7) is some 480,000, sorted in a fraction of a second.
inline constexpr std::uint64_t kMaxCoverColumns = 500'000;

// Whether weightedCoverWheel takes these terms with this group.
bool weightedCoverFits(const WheelTerms &terms, const NumberGroup &group);

// A complete wheel (M = T) as a set cover. The orbits of K-sets under the
// group are the columns, the orbits of T-sets the rows, and a column covers
// the rows of its T-subsets. The search keeps a weight on every row: each
// step drops the column whose loss weighs least, adds the column that covers
// a random uncovered row with most weight, and raises the weight of every
// row still uncovered, so that rows left uncovered long are covered at last.
// Each time every row is covered, the smallest wheel so far is noted and
// the column that weighs least goes. The wheel starts from `start` (each of
// its bets with its whole orbit) or from a greedy cover; the result is the
// smallest wheel found, every bet of every orbit, and passes verifyWheel.
// Empty when the terms do not fit or M > T. With no bound at all it gives
// the start.
std::vector<BetMask> weightedCoverWheel(const WheelTerms &terms, const NumberGroup &group, std::uint64_t seed,
                                        const OrbitBudget &budget, const std::vector<BetMask> &start = {});

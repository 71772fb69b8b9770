#pragma once

#include "wheels/covering.h"

#include <atomic>
#include <cstdint>
#include <vector>

// Many of the smallest known coverings are unions of whole orbits under a
// rotation: numbers 1..n turn round (i → i + 1, n → 1) and the numbers above
// n stay put. Searching over the orbits' first bets only, a space n times
// smaller, reaches sizes the search over single bets does not; the general
// search then thins the result bet by bet.
struct CyclicBudget
{
    std::uint64_t steps = 0; // orbit swaps tried, for every size together
    double seconds = 0;      // 0: no bound of time
    const std::atomic<bool> *cancel = nullptr;
};

// The smallest complete wheel made of whole orbits under the rotation of
// 1..n, trying fewer orbits after each success; empty when none was found.
std::vector<BetMask> cyclicWheel(const WheelSpec &spec, int n, std::uint64_t seed, const CyclicBudget &budget);

#pragma once

#include "wheels/covering.h"
#include "wheels/number_group.h"

#include <atomic>
#include <cstdint>
#include <vector>

struct OrbitBudget
{
    std::uint64_t steps = 0; // swaps tried, for every size together; 0: no bound
    double seconds = 0;      // 0: no bound of time
    const std::atomic<bool> *cancel = nullptr;
};

// The smallest complete wheel (M = T) made of whole orbits of the group that
// an annealing over one bet an orbit finds, trying one orbit fewer after
// each success; empty when none was found. With no bound at all it stops
// after the first success.
std::vector<BetMask> orbitWheel(const WheelTerms &terms, const NumberGroup &group, std::uint64_t seed,
                                const OrbitBudget &budget);

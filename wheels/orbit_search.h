#pragma once

#include "wheels/covering.h"
#include "wheels/number_group.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

struct OrbitBudget
{
    std::uint64_t steps = 0; // swaps tried, for every size together; 0: no bound
    double seconds = 0;      // 0: no bound of time
    const std::atomic<bool> *cancel = nullptr;

    bool unbounded() const { return steps == 0 && seconds <= 0; }
};

// A budget being spent, from the moment this is made: spent at step `step`
// once the steps are made, or (looked at every 256 steps) the time is up
// or the search is cancelled.
class BudgetWatch
{
public:
    explicit BudgetWatch(const OrbitBudget &budget)
        : m_budget(budget)
    {}
    bool spent(std::uint64_t step) const
    {
        if (m_budget.steps != 0 && step >= m_budget.steps)
            return true;
        return step % 256 == 0
               && ((m_budget.cancel && m_budget.cancel->load(std::memory_order_relaxed))
                   || (m_budget.seconds > 0
                       && std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count()
                              >= m_budget.seconds));
    }

private:
    OrbitBudget m_budget;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// The smallest complete wheel (M = T) made of whole orbits of the group that
// an annealing over one bet an orbit finds, trying one orbit fewer after
// each success; empty when none was found. With no bound at all it stops
// after the first success.
std::vector<BetMask> orbitWheel(const WheelTerms &terms, const NumberGroup &group, std::uint64_t seed,
                                const OrbitBudget &budget);

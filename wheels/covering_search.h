#pragma once

#include "wheels/covering.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// How a search is going, for a progress bar: the smallest wheel found so
// far (every one of them is complete) and the time spent.
struct WheelProgress
{
    int bets = 0;
    double seconds = 0;
};

struct WheelSearchOptions
{
    // Bounds; the search stops at the first one reached; 0 means no bound of
    // that kind. With a bound on steps alone the result depends only on the
    // terms, the seed and the start, not on the machine's speed. With no
    // bound at all the search gives the start (or the greedy wheel) at once,
    // without the bets the others make unnecessary.
    double seconds = 10;
    std::uint64_t steps = 0;
    std::uint64_t seed = 1;
    // Stop as soon as a wheel of at most this many bets is found (the known
    // record, or a lower bound); 0 means search until a bound is reached.
    int goal = 0;
    // Set by another thread to stop the search; it returns its best so far.
    const std::atomic<bool> *cancel = nullptr;
    // Called on the searching thread when a smaller wheel is found and about
    // ten times a second otherwise. It must not block.
    std::function<void(const WheelProgress &)> progress;
    // Also try orbits of affine groups modulo a prime and of turns of
    // several cycles, not only rotations: slower, for the offline tables.
    bool affineGroups = false;
    // Only the orbits of the group of this name (as wheelGroups names it,
    // "Z7^2+5"), to follow one path again; empty: every group worth trying.
    std::string group;
    // A complete wheel to start from (a shipped or kept one); empty for none.
    std::vector<BetMask> start;
};

// The smallest wheel for `terms` the search finds: the start or a greedy
// covering without its unnecessary bets first, then (for M = T) wheels made
// of whole orbits of a group of the numbers (by the weighted cover where
// its tables fit, else orbitWheel) and the weighted cover of single bets
// (weightedCoverWheel), then a local search over the
// M-sets left uncovered, one bet fewer each time it succeeds: tabu swaps
// where weighing every swap is cheap, simulated annealing otherwise. The
// result is always complete (it passes verifyWheel); it runs on the
// caller's thread, so a window runs it on a worker thread of its own. The
// terms must have no wheelTermsProblem.
std::vector<BetMask> searchWheel(const WheelTerms &terms, const WheelSearchOptions &options);

// The greedy covering alone: each bet starts from an uncovered T-set and
// grows by the number that covers most uncovered T-sets next.
std::vector<BetMask> greedyWheel(const WheelTerms &terms);

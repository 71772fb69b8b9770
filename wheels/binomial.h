#pragma once

#include <cstdint>
#include <optional>

// Bet counts grow fast (C(80, 10) is above 10^12, a product of two zones
// more still), so every count is 64-bit and a count that would not fit is
// refused rather than wrapped: a player must never see a small price for a
// ticket he cannot afford.
using BetCount = std::uint64_t;

// C(n, r), or nothing when it does not fit in 64 bits. 0 for r < 0 or r > n.
std::optional<BetCount> binomial(int n, int r);

// a × b, or nothing when it does not fit in 64 bits.
std::optional<BetCount> checkedProduct(BetCount a, BetCount b);

#pragma once

#include "base/lottery.h"
#include "engine/digit_pair.h"

#include <span>
#include <vector>

// The cascade of the generalized method "广义阴阳五行修正": the initial pair
// at the last position and "00" elsewhere, stepped forward at even and
// backward at odd positions, pass j applying control quantity j − 1 to the
// last j positions. Returns the zone's count of pairs (none for a count
// below 1).
std::vector<DigitPair> CascadePairs(const LotteryZone &zone, DigitPair initial,
                                    std::span<const int> controls);

// The same into `out`, which holds at least the zone's count of pairs.
void CascadePairs(const LotteryZone &zone, DigitPair initial, std::span<const int> controls,
                  std::span<DigitPair> out);

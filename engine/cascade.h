#pragma once

#include "engine/digit_pair.h"

#include <span>
#include <vector>

// The cascade of the generalized method "广义阴阳五行修正": the initial pair
// at the last position and "00" elsewhere, stepped forward at even and
// backward at odd positions, pass j applying control quantity j − 1 to the
// last j positions. Returns `count` pairs (none for a count below 1).
std::vector<DigitPair> CascadePairs(int kind, int n, int count, DigitPair initial,
                                    std::span<const int> controls);

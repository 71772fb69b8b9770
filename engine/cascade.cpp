#include "engine/cascade.h"

#include <algorithm>

namespace {

// A Digit lottery steps the units digit only.
DigitPair digitSteps(DigitPair pair, int steps, bool forward)
{
    int u = pair.units;
    for (int i = 0; i < steps; ++i)
        u = forward ? (u + 1) % 10 : (u + 9) % 10;
    return DigitPair::fromDigits(pair.tens, u);
}

// A Lotto lottery steps the value within 1..n; forward wraps to 10, backward
// wraps 1 to T (the largest multiple of ten not above n) and passes T twice
// on the way down: once as the wrap from 1 (then on to n) and once coming
// from T + 1 (then on to T − 1).
DigitPair lottoSteps(DigitPair pair, int steps, bool forward, int n)
{
    const int top = n / 10 * 10;
    int v = pair.value();
    int before = -1; // the value before the previous step of this run
    for (int i = 0; i < steps; ++i) {
        const int old = v;
        if (forward) {
            v = v + 1 > n ? 10 : v + 1;
        } else if (v == 0) {
            v = 9;
        } else if (v == 1) {
            v = top;
        } else if (v == top) {
            v = before == v + 1 ? v - 1 : n;
        } else {
            v = v - 1;
        }
        before = old;
    }
    return DigitPair::fromValue(v);
}

} // namespace

std::vector<DigitPair> CascadePairs(const LotteryZone &zone, DigitPair initial, std::span<const int> controls)
{
    std::vector<DigitPair> pairs(static_cast<size_t>(std::max(zone.count, 0)));
    CascadePairs(zone, initial, controls, pairs);
    return pairs;
}

void CascadePairs(const LotteryZone &zone, DigitPair initial, std::span<const int> controls,
                  std::span<DigitPair> pairs)
{
    const int count = zone.count;
    if (count < 1)
        return;
    std::fill_n(pairs.begin(), count, DigitPair{});
    pairs[static_cast<size_t>(count - 1)] = initial;
    for (int j = 1; j <= count; ++j) {
        const int steps = j - 1 < static_cast<int>(controls.size()) ? controls[j - 1] : 0;
        for (int r = 1; r <= j; ++r) {
            const int p = count - r;
            const bool forward = p % 2 == 0;
            DigitPair &pair = pairs[static_cast<size_t>(p)];
            if (steps > 0)
                pair = zone.isLotto() ? lottoSteps(pair, steps, forward, zone.total)
                                      : digitSteps(pair, steps, forward);
        }
        if (count - j - 1 >= 0)
            pairs[static_cast<size_t>(count - j - 1)] = DigitPair{};
    }
}

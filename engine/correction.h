#pragma once

#include "engine/digit_pair.h"
#include "engine/methods.h"

#include <cstdlib>
#include <string_view>

// Each digit becomes (digit × factor) mod 10.
inline DigitPair ScalePair(DigitPair pair, int factor)
{
    return DigitPair::fromDigits(pair.tens * factor % 10, pair.units * factor % 10);
}

// Folds one digit back towards the total: while (at most twice) the value
// digit × weight + offset lies above n, the digit becomes |digit − 5|.
inline int RangeFold(int digit, int weight, int offset, int n)
{
    for (int i = 0; i < 2; ++i) {
        if (digit * weight + offset > n)
            digit = std::abs(digit - 5);
    }
    return digit;
}

// One of the nineteen pair methods applied to a pair, for a total n. Inline:
// a conversion applies it to every number.
inline DigitPair CorrectPair(const PairMethod &method, DigitPair pair, int n)
{
    int t = pair.tens;
    int u = pair.units;
    if (method.family == MethodFamily::Modulus) {
        if (t * 10 > n)
            t = method.map[t];
    } else if (t > 0 && method.map[t] <= n / 10) {
        t = method.map[t];
    }
    t = RangeFold(t, 10, 0, n);

    if (method.family == MethodFamily::Modulus) {
        if (t * 10 + u > n)
            u = method.map[u];
    } else if (t * 10 + method.map[u] <= n) {
        u = method.map[u];
    }
    u = RangeFold(u, 1, t * 10, n);
    return DigitPair::fromDigits(t, u);
}

// The same, with the method chosen by its exact name. A name that is no pair
// method throws AppError.
DigitPair CorrectPair(std::string_view methodName, DigitPair pair, int n);

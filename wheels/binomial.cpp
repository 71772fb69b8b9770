#include "wheels/binomial.h"

#include <algorithm>
#include <numeric>

std::optional<BetCount> binomial(int n, int r)
{
    if (r < 0 || n < 0 || r > n)
        return BetCount{0};
    r = std::min(r, n - r);
    // C(n, i) = C(n, i − 1) × (n − i + 1) / i stays exact step by step; the
    // division by the gcd keeps the intermediate product as small as the
    // result allows.
    BetCount value = 1;
    for (int i = 1; i <= r; ++i) {
        BetCount numerator = static_cast<BetCount>(n - r + i);
        BetCount denominator = static_cast<BetCount>(i);
        const BetCount g1 = std::gcd(value, denominator);
        value /= g1;
        denominator /= g1;
        numerator /= denominator; // exact: denominator now divides it
        const auto product = checkedProduct(value, numerator);
        if (!product)
            return std::nullopt;
        value = *product;
    }
    return value;
}

std::optional<BetCount> checkedProduct(BetCount a, BetCount b)
{
    BetCount product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return std::nullopt;
    return product;
}

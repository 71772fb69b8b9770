#include "engine/correction.h"

#include "base/app_error.h"
#include "base/quoted_text.h"

#include <cstdlib>
#include <string>

DigitPair ScalePair(DigitPair pair, int factor)
{
    return DigitPair::fromDigits(pair.tens * factor % 10, pair.units * factor % 10);
}

int RangeFold(int digit, int weight, int offset, int n)
{
    for (int i = 0; i < 2; ++i) {
        if (digit * weight + offset > n)
            digit = std::abs(digit - 5);
    }
    return digit;
}

DigitPair CorrectPair(const PairMethod &method, DigitPair pair, int n)
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

DigitPair CorrectPair(std::string_view methodName, DigitPair pair, int n)
{
    const PairMethod *method = findPairMethod(methodName);
    if (!method)
        throw AppError("未知的修正方法：" + quotedText(methodName) + "。");
    return CorrectPair(*method, pair, n);
}

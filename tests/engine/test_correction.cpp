#include "base/app_error.h"
#include "engine/correction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

DigitPair pair(const char *text)
{
    return DigitPair::fromText(text);
}

std::string corrected(std::string_view method, const char *text, int n)
{
    return CorrectPair(method, pair(text), n).text();
}

} // namespace

TEST(DigitPair, IsMadeFromTwoDecimalCharacters)
{
    EXPECT_EQ(pair("07").value(), 7);
    EXPECT_EQ(pair("93").text(), "93");
    EXPECT_EQ(DigitPair::fromValue(3).text(), "03");
    EXPECT_EQ(DigitPair::fromValue(123).text(), "12"); // only two digits take part
    try {
        DigitPair::fromValue(-5); // "0-5"
        FAIL();
    } catch (const AppError &error) {
        EXPECT_STREQ(error.what(), "'-' 不是一个有效的整形值");
    }
    try {
        DigitPair::fromText("5");
        FAIL();
    } catch (const AppError &error) {
        EXPECT_STREQ(error.what(), "'' 不是一个有效的整形值");
    }
}

TEST(ScalePair, MultipliesEachDigitModTen)
{
    EXPECT_EQ(ScalePair(pair("37"), 3).text(), "91");
    EXPECT_EQ(ScalePair(pair("37"), 7).text(), "19");
    for (int v = 0; v < 100; ++v)
        EXPECT_EQ(ScalePair(DigitPair::fromValue(v), 1).value(), v);
}

struct Example
{
    const char *method;
    const char *in;
    int n;
    const char *out;
};

TEST(CorrectPair, WorkedExamples)
{
    const Example examples[] = {
        {"太极图阳邻修正", "09", 33, "00"},
        {"太极图阳邻修正", "36", 33, "31"},
        {"太极图阳邻修正", "65", 33, "16"},
        {"太极图阳邻修正", "93", 33, "04"},
        {"怪数7修正", "93", 33, "23"},
        {"怪数7修正", "37", 33, "30"},
        {"河图阴跳修正", "01", 33, "09"},
        {"河图阴跳修正", "00", 33, "00"},
        {"洛书阴跳修正", "01", 33, "09"},
        {"洛书阴跳修正", "00", 33, "00"},
        {"凑数修正", "12", 33, "13"},
        {"凑数修正", "05", 33, "00"},
        {"合数修正", "03", 10, "08"},
        // From the conversion examples: 09 01 36 37 65 93 under 阳邻 for 33.
        {"太极图阳邻修正", "01", 33, "02"},
        {"太极图阳邻修正", "37", 33, "32"},
        {"洛书阳邻修正", "03", 10, "09"},
        {"洛书阳邻修正", "07", 10, "01"},
        {"太极图阴邻修正", "01", 33, "00"},
        {"太极图阴邻修正", "03", 33, "02"},
    };
    for (const Example &e : examples)
        EXPECT_EQ(corrected(e.method, e.in, e.n), e.out) << e.method << ' ' << e.in;
}

TEST(CorrectPair, ModulusMethodsLeaveValuesWithinTheTotalAlone)
{
    for (const char *method : {"怪数7修正", "五行修正"}) {
        for (int v = 0; v <= 33; ++v)
            EXPECT_EQ(CorrectPair(method, DigitPair::fromValue(v), 33).value(), v) << method << v;
        for (int v = 0; v <= 9; ++v)
            EXPECT_EQ(CorrectPair(method, DigitPair::fromValue(v), 10).value(), v) << method << v;
    }
}

TEST(CorrectPair, UnknownMethodIsAnError)
{
    EXPECT_THROW(CorrectPair("广义阴阳五行修正", pair("11"), 33), AppError);
    EXPECT_THROW(CorrectPair("怪数7修正 ", pair("11"), 33), AppError);
    EXPECT_EQ(findPairMethod("广义阴阳五行修正"), nullptr);
    EXPECT_EQ(methodIndex("广义阴阳五行修正"), 19);
}

// The rules written a second way: straight from the description of each
// family, with the ring tables derived from their rings, so that a slip in
// one table entry or one comparison of the engine shows up.
namespace reference {

int ringStep(const int (&ring)[4], int d, int steps)
{
    for (int i = 0; i < 4; ++i) {
        if (ring[i] == d)
            return ring[(i + steps + 4) % 4];
    }
    return d; // 0 and 5 stay
}

int mapDigit(int method, int d)
{
    static const int hetuOdd[4] = {1, 7, 9, 3}, hetuEven[4] = {2, 4, 8, 6};
    static const int luoOdd[4] = {1, 3, 9, 7}, luoEven[4] = {2, 6, 8, 4};
    static const int shifts[6] = {1, 2, 3, -1, -2, -3};
    if (method >= 2 && method <= 7)
        return ((d + shifts[method - 2]) % 10 + 10) % 10;
    if (method >= 8 && method <= 15) {
        const bool hetu = method < 12;
        const int column = (method - 8) % 4; // 阳邻, 阳跳, 阴邻, 阴跳
        const int steps[4] = {1, 2, -1, -2};
        const auto &ring = d % 2 ? (hetu ? hetuOdd : luoOdd) : (hetu ? hetuEven : luoEven);
        return ringStep(ring, d, steps[column]);
    }
    if (method == 16)
        return (10 - d) % 10;
    if (method == 17)
        return (15 - d) % 10;
    return (d + 5) % 10;
}

std::pair<int, int> correct(int method, int t, int u, int n)
{
    const bool modulus = method <= 1;
    const int m = method == 0 ? 7 : 5;
    if (modulus) {
        if (10 * t > n)
            t %= m;
    } else if (t != 0 && mapDigit(method, t) <= n / 10) {
        t = mapDigit(method, t);
    }
    if (10 * t > n)
        t = std::abs(t - 5);
    if (10 * t > n)
        t = std::abs(t - 5);
    if (modulus) {
        if (10 * t + u > n)
            u %= m;
    } else if (10 * t + mapDigit(method, u) <= n) {
        u = mapDigit(method, u);
    }
    if (10 * t + u > n)
        u = std::abs(u - 5);
    if (10 * t + u > n)
        u = std::abs(u - 5);
    return {t, u};
}

} // namespace reference

TEST(CorrectPair, EveryPairMethodAndTotalAgreesWithTheRules)
{
    int checked = 0;
    for (int method = 0; method < kPairMethodCount; ++method) {
        for (int n : {10, 11, 33, 35, 80, 99}) {
            for (int v = 0; v < 100; ++v) {
                const auto [t, u] = reference::correct(method, v / 10, v % 10, n);
                const DigitPair got = CorrectPair(kMethodNames[method], DigitPair::fromValue(v), n);
                ASSERT_EQ(got, DigitPair::fromDigits(t, u))
                    << kMethodNames[method] << " pair " << v << " total " << n;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 19 * 6 * 100);
}

TEST(MethodList, NamesTwentyMethodsOnceEach)
{
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(methodIndex(kMethodNames[i]), i);
    EXPECT_EQ(kGeneralizedMethod, "广义阴阳五行修正");
    EXPECT_EQ(pairMethods()[0].name, "怪数7修正");
    EXPECT_EQ(pairMethods()[18].name, "合数修正");
}

#include "base/lottery.h"
#include "engine/cascade.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string joined(const std::vector<DigitPair> &pairs)
{
    std::string text;
    for (const DigitPair &p : pairs)
        text += (text.empty() ? "" : " ") + p.text();
    return text;
}

std::string cascade(int kind, int n, const char *initial, std::vector<int> controls)
{
    return joined(
        CascadePairs({kind, n, static_cast<int>(controls.size())}, DigitPair::fromText(initial), controls));
}

} // namespace

TEST(CascadePairs, WorkedExamples)
{
    EXPECT_EQ(cascade(Lotto, 33, "08", {2, 3, 1, 4, 2, 6}), "06 02 12 31 16 28");
    EXPECT_EQ(cascade(Digit, 10, "04", {1, 2, 3}), "03 05 00");
}

TEST(CascadePairs, SinglePositionTakesItsStepsAndWritesNoZero)
{
    EXPECT_EQ(cascade(Lotto, 33, "32", {1}), "33");
    EXPECT_EQ(cascade(Lotto, 33, "32", {2}), "10"); // the forward wrap goes to 10, not 1
    EXPECT_EQ(cascade(Lotto, 33, "32", {3}), "11");
    EXPECT_EQ(cascade(Digit, 10, "07", {5}), "02");
    EXPECT_EQ(cascade(Lotto, 33, "05", {0}), "05");
    EXPECT_EQ(cascade(Lotto, 33, "05", {-3}), "05");
}

TEST(CascadePairs, BackwardWalkPassesTheTopMultipleOfTenTwice)
{
    // Position 1 of two runs backward; its one run has c[0] steps.
    const char *walk[] = {"02", "01", "30", "33", "32", "31", "30", "29", "28"};
    for (int steps = 1; steps <= 9; ++steps) {
        const auto pairs
            = CascadePairs({Lotto, 33, 2}, DigitPair::fromText("03"), std::vector<int>{steps, 0});
        EXPECT_EQ(pairs[1].text(), walk[steps - 1]) << steps << " steps";
    }
    // A run that starts at T goes to N; from 0 backward gives 9.
    EXPECT_EQ(CascadePairs({Lotto, 33, 2}, DigitPair::fromText("30"), std::vector<int>{1, 0})[1].text(),
              "33");
    EXPECT_EQ(CascadePairs({Lotto, 33, 2}, DigitPair::fromText("00"), std::vector<int>{1, 0})[1].text(),
              "09");
}

TEST(CascadePairs, DigitStepsChangeOnlyTheUnitsDigit)
{
    const auto pairs = CascadePairs({Digit, 10, 2}, DigitPair::fromText("43"), std::vector<int>{4, 0});
    EXPECT_EQ(pairs[1].text(), "49"); // backward 3 → 2 → 1 → 0 → 9, tens kept
    EXPECT_EQ(pairs[0].text(), "00");
}

TEST(CascadePairs, NoPositionsForACountBelowOne)
{
    EXPECT_TRUE(CascadePairs({Lotto, 33, 0}, DigitPair::fromText("08"), {}).empty());
}

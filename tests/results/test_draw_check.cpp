#include "base/lottery.h"
#include "results/draw_check.h"

#include <gtest/gtest.h>

namespace {

const Lottery kShuangseqiu{Lotto, 33, 6, "蓝球", 16, 1};
const Lottery kDaletou{Lotto, 35, 5, "后区", 12, 2};
const Lottery kQixingcai{Digit, 10, 6, "后区", 15, 1};

} // namespace

TEST(BetHits, LottoMatchesNumbersAnywhere)
{
    const std::vector<int> draw{2, 3, 4, 16, 31, 32};
    EXPECT_EQ(betHits({"01", "02", "15", "16", "30", "33"}, draw, {Lotto, 33, 6}),
              (std::vector<bool>{false, true, false, true, false, false}));
    EXPECT_EQ(betHits({"05", "06", "07", "08", "09", "10"}, draw, {Lotto, 33, 6}),
              std::vector<bool>(6, false));
    EXPECT_EQ(betHits({"32", "31", "16", "04", "03", "02"}, draw, {Lotto, 33, 6}),
              std::vector<bool>(6, true));
    EXPECT_EQ(betHits({"", "x", "02"}, draw, {Lotto, 33, 6}), (std::vector<bool>{false, false, true}));
}

TEST(BetHits, DigitMatchesPositionByPosition)
{
    const std::vector<int> draw{3, 8, 5};
    EXPECT_EQ(betHits({"3", "5", "8"}, draw, {Digit, 10, 3}), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(betHits({"3", "8", "5"}, draw, {Digit, 10, 3}), std::vector<bool>(3, true));
    EXPECT_EQ(betHits({"8", "5", "3"}, draw, {Digit, 10, 3}), std::vector<bool>(3, false));
}

TEST(CopiedBets, OneRowALineSeparatedBySpaces)
{
    EXPECT_EQ(copiedBets({{"02", "03", "04"}, {"9", "5", "1"}}, {Lotto, 33, 3}), "02 03 04\n9 5 1\n");
    EXPECT_EQ(copiedBets({}, {Lotto, 33, 3}), "");
    EXPECT_EQ(copiedBets({{"01", "05", "12", "19", "25", "31", "07"}}, kShuangseqiu),
              "01 05 12 19 25 31 + 07\n");
    EXPECT_EQ(copiedBets({{"01", "05", "12", "19", "25", "03", "11"}}, kDaletou), "01 05 12 19 25 + 03 11\n");
}

TEST(BetHits, EachZoneAgainstItsOwnDraw)
{
    const LotteryNumbers draw{{1, 5, 12, 19, 25, 31}, {7}};
    // 07 in the front is no hit for a blue ball of 07, nor the other way round.
    EXPECT_EQ(drawHits({"01", "07", "12", "20", "26", "30", "05"}, draw, kShuangseqiu),
              (std::vector<bool>{true, false, true, false, false, false, false}));
    EXPECT_EQ(drawHits({"02", "03", "04", "06", "08", "09", "07"}, draw, kShuangseqiu),
              (std::vector<bool>{false, false, false, false, false, false, true}));
    const LotteryNumbers digits{{1, 2, 3, 4, 5, 6}, {14}};
    EXPECT_EQ(drawHits({"1", "0", "3", "0", "0", "0", "14"}, digits, kQixingcai),
              (std::vector<bool>{true, false, true, false, false, false, true}));
    // A single pool is checked as a whole.
    EXPECT_EQ(drawHits({"3", "8", "5"}, {{3, 8, 5}, {}}, {Digit, 10, 3}), std::vector<bool>(3, true));
}

#include "base/lottery.h"
#include "results/draw_check.h"

#include <gtest/gtest.h>

namespace {

WinningNumbers winning(const std::string &text, const Lottery &lottery)
{
    const auto parsed = parseWinningNumbers(text, lottery);
    if (!parsed.accepted()) {
        ADD_FAILURE() << text << ": " << parsed.refusal();
        return {};
    }
    return parsed.value();
}

std::vector<int> numbers(const std::string &text, int kind, int total, int count)
{
    return winning(text, {kind, total, count}).front;
}

std::string refusal(const std::string &text, const Lottery &lottery)
{
    const auto parsed = parseWinningNumbers(text, lottery);
    return parsed.accepted() ? "accepted" : parsed.refusal();
}

std::string refusal(const std::string &text, int kind, int total, int count)
{
    return refusal(text, {kind, total, count});
}

const Lottery kShuangseqiu{Lotto, 33, 6, "蓝球", 16, 1};
const Lottery kDaletou{Lotto, 35, 5, "后区", 12, 2};
const Lottery kQixingcai{Digit, 10, 6, "后区", 15, 1};

} // namespace

TEST(WinningNumbers, AreTypedAsTheLotteryDemands)
{
    EXPECT_EQ(numbers("02 03 04 16 31 32", Lotto, 33, 6), (std::vector<int>{2, 3, 4, 16, 31, 32}));
    EXPECT_EQ(numbers("2,3、4，16  31 32", Lotto, 33, 6), (std::vector<int>{2, 3, 4, 16, 31, 32}));
    EXPECT_EQ(numbers("385", Digit, 10, 3), (std::vector<int>{3, 8, 5}));
    EXPECT_EQ(numbers("3 8 5", Digit, 10, 3), (std::vector<int>{3, 8, 5}));
    EXPECT_EQ(refusal("1 2 3", Lotto, 33, 6), "请输入6个开奖号码！");
    EXPECT_EQ(refusal("1 2 3 4 5 34", Lotto, 33, 6), "开奖号码“34”不在1到33之间！");
    EXPECT_EQ(refusal("0 2 3 4 5 6", Lotto, 33, 6), "开奖号码“0”不在1到33之间！");
    EXPECT_EQ(refusal("1 2 3 4 5 5", Lotto, 33, 6), "开奖号码“5”重复了！");
    EXPECT_EQ(refusal("3 8 x", Digit, 10, 3), "开奖号码“x”不在0到9之间！");
    EXPECT_EQ(refusal("3 8 10", Digit, 10, 3), "开奖号码“10”不在0到9之间！");
    EXPECT_EQ(refusal("", Digit, 10, 3), "请输入3个开奖号码！");
}

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

TEST(WinningNumbers, TwoZonesAreTypedWithAPlusOrInFull)
{
    const WinningNumbers draw{{1, 5, 12, 19, 25, 31}, {7}};
    EXPECT_EQ(winning("01 05 12 19 25 31 + 07", kShuangseqiu), draw);
    EXPECT_EQ(winning("01,05,12,19,25,31＋07", kShuangseqiu), draw);
    EXPECT_EQ(winning("01 05 12 19 25 31 07", kShuangseqiu), draw);
    EXPECT_EQ(winning("123456+14", kQixingcai), (WinningNumbers{{1, 2, 3, 4, 5, 6}, {14}}));
    EXPECT_EQ(winning("3 9 17 22 35 + 12 1", kDaletou), (WinningNumbers{{3, 9, 17, 22, 35}, {12, 1}}));
    // The back zone's numbers may repeat the front's: they come from a pool of their own.
    EXPECT_EQ(winning("1 2 3 4 5 6 + 6", kShuangseqiu).back, std::vector<int>{6});

    EXPECT_EQ(refusal("01 05 12 19 25 31", kShuangseqiu), "请输入6个开奖号码和1个蓝球号码，用“+”隔开！");
    EXPECT_EQ(refusal("01 05 12 19 25 + 07", kShuangseqiu), "请输入6个开奖号码！");
    EXPECT_EQ(refusal("01 05 12 19 25 31 + ", kShuangseqiu), "请输入1个蓝球开奖号码！");
    EXPECT_EQ(refusal("01 05 12 19 25 31 + 17", kShuangseqiu), "蓝球开奖号码“17”不在1到16之间！");
    EXPECT_EQ(refusal("3 9 17 22 35 + 12 12", kDaletou), "后区开奖号码“12”重复了！");
    EXPECT_EQ(refusal("123456 + 15", kQixingcai), "后区开奖号码“15”不在0到14之间！");
    EXPECT_EQ(refusal("1 2 3 4 5 6 + 7 + 8", kShuangseqiu), "开奖号码中只能有一个“+”！");
}

TEST(BetHits, EachZoneAgainstItsOwnDraw)
{
    const WinningNumbers draw{{1, 5, 12, 19, 25, 31}, {7}};
    // 07 in the front is no hit for a blue ball of 07, nor the other way round.
    EXPECT_EQ(drawHits({"01", "07", "12", "20", "26", "30", "05"}, draw, kShuangseqiu),
              (std::vector<bool>{true, false, true, false, false, false, false}));
    EXPECT_EQ(drawHits({"02", "03", "04", "06", "08", "09", "07"}, draw, kShuangseqiu),
              (std::vector<bool>{false, false, false, false, false, false, true}));
    const WinningNumbers digits{{1, 2, 3, 4, 5, 6}, {14}};
    EXPECT_EQ(drawHits({"1", "0", "3", "0", "0", "0", "14"}, digits, kQixingcai),
              (std::vector<bool>{true, false, true, false, false, false, true}));
    // A single pool is checked as a whole.
    EXPECT_EQ(drawHits({"3", "8", "5"}, {{3, 8, 5}, {}}, {Digit, 10, 3}), std::vector<bool>(3, true));
}

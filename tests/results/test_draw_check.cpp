#include "base/lottery.h"
#include "results/draw_check.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> numbers(const std::string &text, int kind, int total, int count)
{
    const auto parsed = parseWinningNumbers(text, {kind, total, count});
    if (const auto *refusal = std::get_if<std::string>(&parsed))
        ADD_FAILURE() << text << ": " << *refusal;
    const auto *values = std::get_if<std::vector<int>>(&parsed);
    return values ? *values : std::vector<int>{};
}

std::string refusal(const std::string &text, int kind, int total, int count)
{
    const auto parsed = parseWinningNumbers(text, {kind, total, count});
    const auto *message = std::get_if<std::string>(&parsed);
    return message ? *message : "accepted";
}

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
    EXPECT_EQ(betHits({"05", "06", "07", "08", "09", "10"}, draw, {Lotto, 33, 6}), std::vector<bool>(6, false));
    EXPECT_EQ(betHits({"32", "31", "16", "04", "03", "02"}, draw, {Lotto, 33, 6}), std::vector<bool>(6, true));
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
    EXPECT_EQ(copiedBets({{"02", "03", "04"}, {"9", "5", "1"}}), "02 03 04\n9 5 1\n");
    EXPECT_EQ(copiedBets({}), "");
}

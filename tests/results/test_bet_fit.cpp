#include "results/bet_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::optional<std::string> misfit(std::vector<std::string_view> numbers, const Lottery &lottery)
{
    return betMisfit(numbers, lottery);
}

const Lottery kShuangseqiu{Lotto, 33, 6, "蓝球", 16, 1};
const Lottery kThreeDigits{Digit, 10, 3};

} // namespace

TEST(BetMisfit, LottoNumbersLieInTheirZoneAndDiffer)
{
    EXPECT_EQ(misfit({"01", "09", "12", "20", "28", "33", "16"}, kShuangseqiu), std::nullopt);
    EXPECT_EQ(misfit({"1", "9", "12", "20", "28", "33", "1"}, kShuangseqiu), std::nullopt);
    // A saved 大乐透 bet read under 双色球.
    EXPECT_EQ(misfit({"12", "31", "32", "33", "35", "05", "08"}, kShuangseqiu), "35不在1到33之间");
    EXPECT_EQ(misfit({"34", "31", "32", "33", "30", "05", "08"}, kShuangseqiu), "34不在1到33之间");
    EXPECT_EQ(misfit({"00", "31", "32", "33", "30", "05", "08"}, kShuangseqiu), "00不在1到33之间");
    EXPECT_EQ(misfit({"05", "05", "05", "05", "05", "05", "05"}, kShuangseqiu), "05重复");
    EXPECT_EQ(misfit({"01", "02", "03", "04", "05", "06", "17"}, kShuangseqiu), "蓝球17不在1到16之间");
    EXPECT_EQ(misfit({"01", "02", "03", "04", "05", "06", "00"}, kShuangseqiu), "蓝球00不在1到16之间");
    // The back zone is a pool of its own: its number may repeat a front one.
    EXPECT_EQ(misfit({"01", "02", "03", "04", "05", "06", "06"}, kShuangseqiu), std::nullopt);
}

TEST(BetMisfit, TextsThatAreNoNumbersAndMissingNumbers)
{
    EXPECT_EQ(misfit({"ab", "02", "03", "04", "05", "06", "07"}, kShuangseqiu), "“ab”不是号码");
    EXPECT_EQ(misfit({"012", "02", "03", "04", "05", "06", "07"}, kShuangseqiu), "“012”不是号码");
    EXPECT_EQ(misfit({"-1", "02", "03", "04", "05", "06", "07"}, kShuangseqiu), "“-1”不是号码");
    EXPECT_EQ(misfit({"01", "", "03", "04", "05", "06", "07"}, kShuangseqiu), "缺少号码");
    EXPECT_EQ(misfit({"01", "02", "03"}, kShuangseqiu), "应有7个号码，有3个");
}

TEST(BetMisfit, DigitNumbersRepeatFreelyFromZeroToNine)
{
    EXPECT_EQ(misfit({"5", "5", "5"}, kThreeDigits), std::nullopt);
    EXPECT_EQ(misfit({"0", "9", "0"}, kThreeDigits), std::nullopt);
    EXPECT_EQ(misfit({"10", "9", "0"}, kThreeDigits), "10不在0到9之间");
}

TEST(GridMisfits, ListsTheRowsAndQuotesTheFirstFew)
{
    ResultGrid grid;
    const Lottery lottery{Lotto, 22, 5};
    grid.appendBet(lottery, std::vector<std::string>{"01", "02", "03", "04", "23"});
    grid.appendBet(lottery, std::vector<std::string>{"01", "02", "03", "04", "05"});
    grid.appendBet(lottery, std::vector<std::string>{"07", "07", "03", "04", "05"});
    grid.appendBet(lottery, std::vector<std::string>{"x", "02", "03", "04", "05"});
    grid.appendBet(lottery, std::vector<std::string>{"01", "02", "03", "04", ""});
    const GridMisfits misfits = gridMisfits(grid, lottery, 2);
    EXPECT_EQ(misfits.rows, (std::vector<int>{1, 3, 4, 5}));
    EXPECT_EQ(misfits.reasons, (std::vector<std::string>{"第1行：23不在1到22之间", "第3行：07重复"}));
    EXPECT_EQ(misfitMessage(misfits, "22选5"),
              "有4行号码不符合22选5，已在表格中标出，核对开奖号码和对照历史时不计：\n第1行：23不在1到22之间\n"
              "第3行：07重复\n……");

    // Only what there is is quoted; an emptied table holds no bets at all.
    EXPECT_EQ(misfitMessage(gridMisfits(grid, lottery, 4), "22选5").find("……"), std::string::npos);
    EXPECT_TRUE(gridMisfits(ResultGrid(), lottery).rows.empty());
}

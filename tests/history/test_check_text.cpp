// What the check and the chart make of the grid's cells and the rules.
#include "history/check_text.h"

#include <gtest/gtest.h>

TEST(CheckText, GridCellsBecomeBetsOfTheDrawsZones)
{
    const DrawShape ssq = drawShapeOf("双色球", {0, 33, 6, "蓝球", 16, 1});
    const LotteryNumbers bet = betOfCells({"03", "09", "14", "20", "27", "33", "07"}, ssq);
    EXPECT_EQ(bet.front, (std::vector<int>{3, 9, 14, 20, 27, 33}));
    EXPECT_EQ(bet.back, std::vector<int>{7});
    // A cell that is no number (a hand-edited file) never hits.
    EXPECT_EQ(betOfCells({"3", "", "x5", "8"}, drawShapeOf("福彩3D", {1, 10, 3})).front,
              (std::vector<int>{3, 8}));

    EXPECT_EQ(drawPrompt("大乐透", drawShapeOf("大乐透", {0, 35, 5, "后区", 12, 2})),
              "请输入大乐透的5个前区号码和2个后区号码（用“+”隔开）：");
    Lottery red{0, 33, 6, "蓝球", 16, 1};
    red.frontName = "红球";
    EXPECT_EQ(drawPrompt("双色球", drawShapeOf("双色球", red)),
              "请输入双色球的6个红球号码和1个蓝球号码（用“+”隔开）：");
    EXPECT_EQ(drawPrompt("七乐彩", drawShapeOf("七乐彩", {0, 30, 7}), true),
              "请输入七乐彩的期号、开奖日期（可省略）、7个基本号码和1个特别号（用“+”隔开）：");
}

TEST(CheckText, PrizesTiersAndPlaysAsThePlayerReadsThem)
{
    BetCheck check;
    EXPECT_EQ(prizeText(check, "奖池≥8亿元"), "");
    check.level = "四等奖";
    check.prize = {false, 30000, 38000};
    EXPECT_EQ(prizeText(check, "奖池≥8亿元"), "300元（奖池≥8亿元时380元）");
    check.prize = {true, 0, std::nullopt};
    EXPECT_EQ(prizeText(check, ""), "浮动");

    const PrizeTable fc3d = PrizeTable::fromRows("福彩3D", shippedPrizeRules());
    EXPECT_EQ(playChoices(fc3d, "2026050", 3), (std::vector<std::string>{"单选", "组选3", "组选6"}));
    // One play for the count: nothing to choose.
    EXPECT_TRUE(playChoices(PrizeTable::fromRows("快乐8", shippedPrizeRules()), "", 10).empty());
    // The player's play stays chosen while the draw offers it.
    const std::vector<std::string> plays = playChoices(fc3d, "2026050", 3);
    EXPECT_EQ(keptChoice(plays, "组选6"), 2);
    EXPECT_EQ(keptChoice(plays, "直选"), 0);

    // The tier list names the high tier's condition; its places give the tiers.
    const std::vector<std::string> tiers = tierChoices("奖池≥8亿元");
    ASSERT_EQ(tiers.size(), 3u);
    EXPECT_EQ(tiers[1], "高档（奖池≥8亿元）");
    EXPECT_EQ(tierOfChoice(0), PoolTier::Both);
    EXPECT_EQ(tierOfChoice(1), PoolTier::High);
    EXPECT_EQ(tierOfChoice(2), PoolTier::Low);
    EXPECT_TRUE(tierChoices("").empty());
}

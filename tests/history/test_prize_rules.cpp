// The shipped prize rules, one table per lottery and rule version, checked
// against the published prize tables: every level and a miss.
#include "prize_cases.h"

#include "../support/error_of.h"
#include "history/prize_rules.h"

namespace {

PrizeTable shipped(const std::string &lottery)
{
    return PrizeTable::fromRows(lottery, shippedPrizeRules());
}

Draw drawOf(const std::string &lottery, const std::string &issue, std::vector<int> front,
            std::vector<int> back = {}, std::optional<int> special = std::nullopt)
{
    return {{std::move(front), std::move(back), special}, lottery, issue, ""};
}

const DrawShape kSsq = drawShapeOf("双色球", {0, 33, 6, "蓝球", 16, 1});
const DrawShape kDlt = drawShapeOf("大乐透", {0, 35, 5, "后区", 12, 2});

const std::vector<PrizeCase> kSsqLevels = {
    {6, 1, 0, "一等奖", "浮动"}, {6, 0, 0, "二等奖", "浮动"}, {5, 1, 0, "三等奖", "3000"},
    {5, 0, 0, "四等奖", "200"},  {4, 1, 0, "四等奖", "200"},  {4, 0, 0, "五等奖", "10"},
    {3, 1, 0, "五等奖", "10"},   {2, 1, 0, "六等奖", "5"},    {1, 1, 0, "六等奖", "5"},
    {0, 1, 0, "六等奖", "5"},    {2, 0, 0, "", ""},           {0, 0, 0, "", ""},
};

} // namespace

TEST(ShippedPrizeRules, 双色球ByVersionWith福运奖OnlyInItsPeriod)
{
    const PrizeTable table = shipped("双色球");
    std::vector<PrizeCase> without = kSsqLevels;
    without.push_back({3, 0, 0, "", ""});
    std::vector<PrizeCase> with = kSsqLevels;
    with.push_back({3, 0, 0, "福运奖", "5"});
    for (const char *issue : {"2003001", "2026013", "2026076", "2026150"})
        expectCases(drawOf("双色球", issue, {3, 9, 14, 20, 27, 33}, {7}), kSsq, table, without, 6);
    for (const char *issue : {"2026014", "2026075"})
        expectCases(drawOf("双色球", issue, {3, 9, 14, 20, 27, 33}, {7}), kSsq, table, with, 6);
}

TEST(ShippedPrizeRules, 大乐透NineLevelsBefore26014SevenTieredLevelsFrom26014)
{
    const PrizeTable table = shipped("大乐透");
    const std::vector<PrizeCase> nine = {
        {5, 2, 0, "一等奖", "浮动"}, {5, 1, 0, "二等奖", "浮动"}, {5, 0, 0, "三等奖", "10000"},
        {4, 2, 0, "四等奖", "3000"}, {4, 1, 0, "五等奖", "300"},  {3, 2, 0, "六等奖", "200"},
        {4, 0, 0, "七等奖", "100"},  {3, 1, 0, "八等奖", "15"},   {2, 2, 0, "八等奖", "15"},
        {3, 0, 0, "九等奖", "5"},    {2, 1, 0, "九等奖", "5"},    {1, 2, 0, "九等奖", "5"},
        {0, 2, 0, "九等奖", "5"},    {2, 0, 0, "", ""},           {1, 1, 0, "", ""},
        {0, 1, 0, "", ""},
    };
    const std::vector<PrizeCase> seven = {
        {5, 2, 0, "一等奖", "浮动"},
        {5, 1, 0, "二等奖", "浮动"},
        {5, 0, 0, "三等奖", "5000", "6666"},
        {4, 2, 0, "三等奖", "5000", "6666"},
        {4, 1, 0, "四等奖", "300", "380"},
        {4, 0, 0, "五等奖", "150", "200"},
        {3, 2, 0, "五等奖", "150", "200"},
        {3, 1, 0, "六等奖", "15", "18"},
        {2, 2, 0, "六等奖", "15", "18"},
        {3, 0, 0, "七等奖", "5", "7"},
        {2, 1, 0, "七等奖", "5", "7"},
        {1, 2, 0, "七等奖", "5", "7"},
        {0, 2, 0, "七等奖", "5", "7"},
        {2, 0, 0, "", ""},
        {1, 1, 0, "", ""},
        {0, 1, 0, "", ""},
        {0, 0, 0, "", ""},
    };
    expectCases(drawOf("大乐透", "19019", {4, 11, 18, 25, 35}, {3, 12}), kDlt, table, nine, 5);
    expectCases(drawOf("大乐透", "26013", {4, 11, 18, 25, 35}, {3, 12}), kDlt, table, nine, 5);
    expectCases(drawOf("大乐透", "2026014", {4, 11, 18, 25, 35}, {3, 12}), kDlt, table, seven, 5);

    // One tier asked for: only its amount.
    const Draw draw = drawOf("大乐透", "26088", {4, 11, 18, 25, 35}, {3, 12});
    const LotteryNumbers third = betWithHits(draw, kDlt, {5, 0, 0, "", ""}, 5);
    EXPECT_EQ(checkBets({third}, draw, kDlt, table, {PoolTier::High, ""}).bets[0].prize,
              (Prize{false, 666600, {}}));
    EXPECT_EQ(checkBets({third}, draw, kDlt, table, {PoolTier::Low, ""}).bets[0].prize,
              (Prize{false, 500000, {}}));

    // Before the first shipped version there is no rule: hits only, and why.
    const Draw early = drawOf("大乐透", "19018", {4, 11, 18, 25, 35}, {3, 12});
    const DrawCheck check = checkBets({third}, early, kDlt, table);
    EXPECT_FALSE(check.bets[0].rated);
    EXPECT_EQ(check.bets[0].frontHits, 5);
    EXPECT_EQ(check.summary(), "共1注（第19018期没有适用的奖级规则，只显示命中个数）");
}

TEST(ShippedPrizeRules, 七乐彩CountsTheSpecialNumberAmongTheBet)
{
    const DrawShape shape = drawShapeOf("七乐彩", {0, 30, 7});
    ASSERT_TRUE(shape.special);
    expectCases(drawOf("七乐彩", "2026073", {2, 5, 9, 14, 21, 26, 30}, {}, 17), shape, shipped("七乐彩"),
                {{7, 0, 0, "一等奖", "浮动"},
                 {6, 0, 1, "二等奖", "浮动"},
                 {6, 0, 0, "三等奖", "浮动"},
                 {5, 0, 1, "四等奖", "200"},
                 {5, 0, 0, "五等奖", "50"},
                 {4, 0, 1, "六等奖", "10"},
                 {4, 0, 0, "七等奖", "5"},
                 {3, 0, 1, "", ""},
                 {0, 0, 0, "", ""}},
                7);
}

TEST(ShippedPrizeRules, 快乐8PlayIsTheBetsCountOldAndNewTables)
{
    const PrizeTable table = shipped("快乐8");
    const DrawShape shape = drawShapeOf("快乐8", {0, 80, 10});
    ASSERT_EQ(shape.front.count, 20);
    std::vector<int> drawn;
    for (int v = 3; v <= 79; v += 4)
        drawn.push_back(v);
    // play → {hits, new amount, old amount}; hits not listed win nothing.
    // clang-format off
    const std::map<int, std::vector<std::tuple<int, std::string, std::string>>> plays = {
        {10, {{10, "浮动", "浮动"}, {9, "8000", "8000"}, {8, "720", "800"}, {7, "80", "80"}, {6, "5", "5"}, {5, "3", "3"}, {0, "2", "2"}}},
        {9, {{9, "浮动", "300000"}, {8, "2000", "2000"}, {7, "225", "200"}, {6, "22", "20"}, {5, "5", "5"}, {4, "3", "3"}, {0, "2", "2"}}},
        {8, {{8, "50000", "50000"}, {7, "800", "800"}, {6, "80", "88"}, {5, "10", "10"}, {4, "3", "3"}, {0, "2", "2"}}},
        {7, {{7, "8500", "10000"}, {6, "300", "288"}, {5, "30", "28"}, {4, "4", "4"}, {0, "2", "2"}}},
        {6, {{6, "2880", "3000"}, {5, "30", "30"}, {4, "10", "10"}, {3, "3", "3"}}},
        {5, {{5, "1000", "1000"}, {4, "20", "21"}, {3, "3", "3"}}},
        {4, {{4, "93", "100"}, {3, "5", "5"}, {2, "3", "3"}}},
        {3, {{3, "52", "53"}, {2, "3", "3"}}},
        {2, {{2, "19", "19"}}},
        {1, {{1, "4.5", "4.6"}}},
    };
    // clang-format on
    static const char *const digits[] = {"0", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    for (const auto &[count, paying] : plays) {
        for (const bool current : {true, false}) {
            std::vector<PrizeCase> cases;
            for (int hits = 0; hits <= count; ++hits) {
                PrizeCase c{hits, 0, 0, "", ""};
                for (const auto &[h, now, before] : paying) {
                    if (h == hits) {
                        c.level = std::string("选") + digits[count] + "中" + digits[hits];
                        c.prize = current ? now : before;
                    }
                }
                cases.push_back(c);
            }
            expectCases(drawOf("快乐8", current ? "2025350" : "2025349", drawn), shape, table, cases, count);
        }
    }
    // Eleven numbers are no single bet of any play.
    const LotteryNumbers eleven{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {}};
    EXPECT_FALSE(checkBets({eleven}, drawOf("快乐8", "2026170", drawn), shape, table).bets[0].rated);
}

TEST(ShippedPrizeRules, 二十二选五)
{
    expectCases(
        drawOf("22选5", "1", {2, 7, 11, 16, 22}), drawShapeOf("22选5", {0, 22, 5}), shipped("22选5"),
        {{5, 0, 0, "一等奖", "浮动"}, {4, 0, 0, "二等奖", "50"}, {3, 0, 0, "三等奖", "5"}, {2, 0, 0, "", ""}},
        5);
}

TEST(ShippedPrizeRules, ThreeDigitGamesByPlay)
{
    for (const char *lottery : {"福彩3D", "排列三"}) {
        const PrizeTable table = shipped(lottery);
        const DrawShape shape = drawShapeOf(lottery, {1, 10, 3});
        const std::string direct = std::string(lottery) == "福彩3D" ? "单选" : "直选";
        const Draw pair = drawOf(lottery, "26170", {4, 1, 4});
        const Draw three = drawOf(lottery, "26171", {4, 1, 7});
        const auto levelOf = [&](const Draw &draw, std::vector<int> bet, const std::string &play) {
            const BetCheck check
                = checkBets({{std::move(bet), {}}}, draw, shape, table, {PoolTier::Both, play}).bets[0];
            return check.level.empty() ? std::string("-") : check.level + " " + prizeText(check.prize);
        };
        // The first play (单选/直选) is the one a bet of three is checked by unless told.
        EXPECT_EQ(levelOf(three, {4, 1, 7}, ""), direct + " 1040") << lottery;
        EXPECT_EQ(levelOf(three, {7, 1, 4}, ""), "-") << lottery;
        EXPECT_EQ(levelOf(pair, {4, 4, 1}, "组选3"), "组选3 346") << lottery;
        EXPECT_EQ(levelOf(pair, {4, 1, 1}, "组选3"), "-") << lottery;
        EXPECT_EQ(levelOf(three, {4, 1, 4}, "组选3"), "-") << lottery; // the draw holds no pair
        EXPECT_EQ(levelOf(three, {7, 4, 1}, "组选6"), "组选6 173") << lottery;
        EXPECT_EQ(levelOf(pair, {4, 1, 4}, "组选6"), "-") << lottery; // the draw's digits do not all differ
        EXPECT_EQ(levelOf(three, {7, 4, 2}, "组选6"), "-") << lottery;
    }
    const DrawShape five = drawShapeOf("排列五", {1, 10, 5});
    expectCases(drawOf("排列五", "26170", {4, 1, 7, 7, 2}), five, shipped("排列五"),
                {{5, 0, 0, "直选", "100000"}, {4, 0, 0, "", ""}}, 5);
}

TEST(ShippedPrizeRules, 七星彩AnyPositionsSince20100NeighbouringPositionsBefore)
{
    const PrizeTable table = shipped("七星彩");
    const DrawShape now = drawShapeOf("七星彩", {1, 10, 6, "后区", 15, 1});
    expectCases(drawOf("七星彩", "26073", {3, 0, 9, 9, 5, 1}, {12}), now, table,
                {{6, 1, 0, "一等奖", "浮动"},
                 {6, 0, 0, "二等奖", "浮动"},
                 {5, 1, 0, "三等奖", "3000"},
                 {5, 0, 0, "四等奖", "500"},
                 {4, 1, 0, "四等奖", "500"},
                 {4, 0, 0, "五等奖", "30"},
                 {3, 1, 0, "五等奖", "30"},
                 {3, 0, 0, "六等奖", "5"},
                 {2, 1, 0, "六等奖", "5"},
                 {1, 1, 0, "六等奖", "5"},
                 {0, 1, 0, "六等奖", "5"},
                 {2, 0, 0, "", ""},
                 {0, 0, 0, "", ""}},
                6);
    const Draw current = drawOf("七星彩", "26073", {3, 0, 9, 9, 5, 1}, {12});
    const BetCheck apart = checkBets({{{3, 1, 9, 0, 5, 0}, {2}}}, current, now, table).bets[0];
    EXPECT_EQ(apart.level, "六等奖"); // three positions apart still count

    const DrawShape before = drawShapeOf("七星彩", {1, 10, 7});
    expectCases(drawOf("七星彩", "20099", {3, 0, 9, 9, 5, 1, 6}), before, table,
                {{7, 0, 0, "一等奖", "浮动"},
                 {6, 0, 0, "二等奖", "浮动"},
                 {5, 0, 0, "三等奖", "1800"},
                 {4, 0, 0, "四等奖", "300"},
                 {3, 0, 0, "五等奖", "20"},
                 {2, 0, 0, "六等奖", "5"},
                 {1, 0, 0, "", ""}},
                7);
    const Draw old = drawOf("七星彩", "20099", {3, 0, 9, 9, 5, 1, 6});
    EXPECT_EQ(checkBets({{{3, 1, 9, 0, 5, 0, 6}, {}}}, old, before, table).bets[0].level, "")
        << "four positions, none neighbouring";
    EXPECT_EQ(checkBets({{{1, 0, 9, 9, 2, 1, 6}, {}}}, old, before, table).bets[0].level, "五等奖");
    // A draw of the current rules in the old seven-digit catalogue row: its rules do not fit.
    const DrawCheck misfit = checkBets({{{3, 0, 9, 9, 5, 1, 6}, {}}},
                                       drawOf("七星彩", "26073", {3, 0, 9, 9, 5, 1, 6}), before, table);
    EXPECT_FALSE(misfit.bets[0].rated);
    EXPECT_EQ(misfit.bets[0].frontHits, 7);
}

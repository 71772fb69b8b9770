// The trend chart's figures on small histories worked out by hand.
#include "history/check_text.h"
#include "history/trend_chart.h"

#include <gtest/gtest.h>

namespace {

Draw lotto(std::vector<int> front, std::vector<int> back = {})
{
    static int issue = 1;
    return {{std::move(front), std::move(back)}, "", std::to_string(issue++), ""};
}

std::vector<int> missColumn(const TrendChart &chart, int column)
{
    std::vector<int> misses;
    for (int row = 0; row < chart.rowCount(); ++row)
        misses.push_back(chart.miss(row, column));
    return misses;
}

std::vector<int> statsOf(const TrendChart &chart, int column)
{
    const ColumnStats &s = chart.stats(column);
    return {s.appearances, s.averageMiss, s.longestMiss, s.longestRun};
}

// Numbers 1 to 5, two a draw:
//   draw:  1    2    3    4    5    6
//   holds: 1 2  1 3  4 5  1 5  2 3  1 2
const std::vector<Draw> kDraws
    = {lotto({1, 2}), lotto({1, 3}), lotto({4, 5}), lotto({1, 5}), lotto({2, 3}), lotto({1, 2})};
const DrawShape kShape = drawShapeOf("五选二", {0, 5, 2});

} // namespace

TEST(TrendChart, MissCountsDrawsSinceTheNumberLastCame)
{
    const TrendChart chart(kDraws, kShape);
    ASSERT_EQ(chart.rowCount(), 6);
    ASSERT_EQ(chart.columnCount(), 5);
    EXPECT_EQ(missColumn(chart, 0), (std::vector<int>{0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(missColumn(chart, 1), (std::vector<int>{0, 1, 2, 3, 0, 0}));
    EXPECT_EQ(missColumn(chart, 2),
              (std::vector<int>{1, 0, 1, 2, 0, 1})); // not yet come: counted from the first
    EXPECT_EQ(missColumn(chart, 3), (std::vector<int>{1, 2, 0, 1, 2, 3}));
    EXPECT_EQ(missColumn(chart, 4), (std::vector<int>{1, 2, 0, 0, 1, 2}));

    // 出现次数, 平均遗漏 = (6 − 出现) / (出现 + 1), 最大遗漏, 最大连出.
    EXPECT_EQ(statsOf(chart, 0), (std::vector<int>{4, 0, 1, 2}));
    EXPECT_EQ(statsOf(chart, 1), (std::vector<int>{3, 0, 3, 2}));
    EXPECT_EQ(statsOf(chart, 2), (std::vector<int>{2, 1, 2, 1}));
    EXPECT_EQ(statsOf(chart, 3), (std::vector<int>{1, 2, 3, 1}));
    EXPECT_EQ(statsOf(chart, 4), (std::vector<int>{2, 1, 2, 2}));
}

// Counts 4 3 2 1 2 for the numbers 1 to 5.
TEST(TrendChart, HotAndColdKeepTiesTogetherAndNeverShareANumber)
{
    const TrendChart chart(kDraws, kShape);
    const HotCold two = hotAndCold(chart, 0, 2);
    EXPECT_EQ(two.hot, (std::vector<int>{1, 2}));
    EXPECT_FALSE(two.hotTied);
    // 3 and 5 came equally often: both are cold, or neither would be.
    EXPECT_EQ(two.cold, (std::vector<int>{4, 3, 5}));
    EXPECT_TRUE(two.coldTied);
    EXPECT_EQ(heatListText(two.cold, two.coldTied, false), "04 03 05（含并列）");
    EXPECT_EQ(heatListText(two.hot, two.hotTied, false), "01 02");

    // Three each way would name 3 and 5 both hot and cold: they are neither.
    const HotCold three = hotAndCold(chart, 0, 3);
    EXPECT_EQ(three.hot, (std::vector<int>{1, 2}));
    EXPECT_EQ(three.cold, std::vector<int>{4});
    EXPECT_EQ(heatOf(three, 3), Heat::Plain);
    EXPECT_EQ(heatOf(three, 1), Heat::Hot);
    EXPECT_EQ(heatOf(three, 4), Heat::Cold);

    // All as often: none stands out.
    const TrendChart even({lotto({1, 2}), lotto({3, 4}), lotto({5, 1}), lotto({2, 3}), lotto({4, 5})},
                          kShape);
    const HotCold none = hotAndCold(even, 0, 2);
    EXPECT_TRUE(none.hot.empty());
    EXPECT_TRUE(none.cold.empty());
    EXPECT_EQ(heatListText(none.hot, none.hotTied, false), "无");
}

TEST(TrendChart, LastDrawsCarryTheirMissButCountOnlyThemselves)
{
    const TrendChart chart(kDraws, kShape, 3);
    ASSERT_EQ(chart.rowCount(), 3);
    EXPECT_EQ(chart.issue(0), kDraws[3].issue);
    EXPECT_EQ(missColumn(chart, 1), (std::vector<int>{3, 0, 0}));
    EXPECT_EQ(missColumn(chart, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(statsOf(chart, 0), (std::vector<int>{2, 0, 1, 1}));
    EXPECT_EQ(statsOf(chart, 1), (std::vector<int>{2, 0, 3, 2}));
    EXPECT_EQ(statsOf(chart, 3), (std::vector<int>{0, 3, 3, 0}));
    EXPECT_EQ(hotAndCold(chart, 0, 1).cold, std::vector<int>{4});
    // 当前遗漏 is the 遗漏 after the newest draw shown.
    EXPECT_EQ(chart.stats(3).currentMiss, 3);
    EXPECT_EQ(chart.stats(0).currentMiss, 0);
}

TEST(TrendChart, FiguresOfEachDraw)
{
    const TrendChart chart(kDraws, kShape);
    // {1, 2}: 和值 3, 跨度 1, 奇偶 1:1, 大小 0:2 (big is 3 to 5 of 1 to 5).
    EXPECT_EQ(chart.figures(0).sum, 3);
    EXPECT_EQ(chart.figures(0).span, 1);
    EXPECT_EQ(chart.figures(0).oddEven(), "1:1");
    EXPECT_EQ(chart.figures(0).bigSmall(), "0:2");
    EXPECT_EQ(chart.figures(2).sum, 9);
    EXPECT_EQ(chart.figures(2).bigSmall(), "2:0");
    const DrawZone ssqFront = drawShapeOf("双色球", {0, 33, 6}).front;
    EXPECT_EQ(figuresOf({16, 17}, ssqFront).bigSmall(), "1:1");
    // An even top splits the pool in two equal halves: 1–15 and 16–30 of
    // 七乐彩, 1–40 and 41–80 of 快乐8.
    const DrawZone qlc = drawShapeOf("七乐彩", {0, 30, 7}).front;
    EXPECT_EQ(figuresOf({15, 16}, qlc).bigSmall(), "1:1");
    EXPECT_EQ(figuresOf({1, 30}, qlc).bigSmall(), "1:1");
    const DrawZone kl8 = drawShapeOf("快乐8", {0, 80, 10}).front;
    EXPECT_EQ(figuresOf({40, 41}, kl8).bigSmall(), "1:1");
}

TEST(TrendChart, DigitGamesHaveAGroupPerPositionTwoZoneGamesTheBackAfter)
{
    const DrawShape fc3d = drawShapeOf("福彩3D", {1, 10, 3});
    const TrendChart digits({lotto({4, 1, 7}), lotto({4, 0, 1}), lotto({7, 7, 7})}, fc3d);
    ASSERT_EQ(digits.columnCount(), 30);
    EXPECT_EQ(digits.groups()[0].label, "百位");
    EXPECT_EQ(digits.groups()[2].label, "个位");
    EXPECT_EQ(missColumn(digits, 4), (std::vector<int>{0, 0, 1}));      // 百位 4
    EXPECT_EQ(missColumn(digits, 10 + 1), (std::vector<int>{0, 1, 2})); // 十位 1
    EXPECT_EQ(missColumn(digits, 20 + 1), (std::vector<int>{1, 0, 1})); // 个位 1
    EXPECT_EQ(digits.figures(2).sum, 21);
    EXPECT_EQ(digits.figures(2).span, 0);
    EXPECT_EQ(digits.figures(2).bigSmall(), "3:0");

    const DrawShape ssq = drawShapeOf("双色球", {0, 33, 6, "蓝球", 16, 1});
    const TrendChart two({lotto({1, 2, 3, 4, 5, 6}, {16}), lotto({1, 2, 3, 4, 5, 33}, {1})}, ssq);
    ASSERT_EQ(two.columnCount(), 33 + 16);
    EXPECT_EQ(two.groups()[1].label, "蓝球");
    EXPECT_EQ(two.number(33), 1);
    EXPECT_EQ(missColumn(two, 33), (std::vector<int>{1, 0}));
    EXPECT_EQ(missColumn(two, 48), (std::vector<int>{0, 1}));
    const std::vector<bool> overlay = two.columnsOf({1, 2, 3, 4, 5, 6}, {16});
    EXPECT_EQ(std::count(overlay.begin(), overlay.end(), true), 7);
    EXPECT_TRUE(overlay[48]);
    EXPECT_FALSE(overlay[33]);
}

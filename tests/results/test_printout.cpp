#include "../support/recording_surface.h"
#include "results/printout.h"

#include <gtest/gtest.h>

namespace {

ResultGrid gridOf(int rows, int numbers)
{
    ResultGrid grid;
    std::vector<std::string> bet;
    for (int k = 1; k <= numbers; ++k)
        bet.push_back(k < 10 ? "0" + std::to_string(k) : std::to_string(k));
    for (int r = 0; r < rows; ++r)
        grid.appendBet({Lotto, kMaxTotal, numbers}, bet);
    return grid;
}

RecordingSurface printed(const ResultGrid &grid, int numbers, QSize size = {4800, 6960})
{
    RecordingSurface surface(size);
    EXPECT_TRUE(printResultGrid(
        grid, {QStringLiteral("双色球"), {Lotto, kMaxTotal, numbers}, QStringLiteral("2007-3-9")}, surface));
    return surface;
}

} // namespace

TEST(Printout, PlacesEverythingAtItsPixel)
{
    const RecordingSurface s = printed(gridOf(25, 6), 6);
    ASSERT_EQ(s.pages.size(), 1u);
    const auto &page = s.pages[0];

    const auto *title = s.find(0, QStringLiteral("双色球  投注号码"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->y, 190);
    EXPECT_EQ(title->x, (4800 - 10 * 9) / 2);
    EXPECT_EQ(title->face, QStringLiteral("录书"));
    EXPECT_EQ(title->points, 18);
    EXPECT_TRUE(title->bold && title->italic);

    const auto *summary = s.find(0, QStringLiteral("共25注 打印日期:2007-3-9"));
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->x, 342);
    EXPECT_EQ(summary->y, 460);
    EXPECT_EQ(summary->face, QStringLiteral("宋体"));
    EXPECT_EQ(summary->points, 10);
    EXPECT_FALSE(summary->bold || summary->italic);

    ASSERT_EQ(page.lines.size(), 37u);
    for (int j = 0; j <= 26; ++j) {
        const auto &line = page.lines[j];
        EXPECT_EQ(line.x1, 342);
        EXPECT_EQ(line.x2, 4662);
        EXPECT_EQ(line.y1, 600 + 240 * j);
        EXPECT_EQ(line.y2, line.y1);
    }
    for (int j = 0; j <= 9; ++j) {
        const auto &line = page.lines[27 + j];
        EXPECT_EQ(line.x1, 342 + 480 * j);
        EXPECT_EQ(line.x2, line.x1);
        EXPECT_EQ(line.y1, 600);
        EXPECT_EQ(line.y2, 6840);
    }

    const auto *serial = s.find(0, QStringLiteral("序号"));
    ASSERT_NE(serial, nullptr);
    EXPECT_EQ(serial->x, 442);
    EXPECT_EQ(serial->y, 696);
    EXPECT_EQ(s.find(0, QStringLiteral("号码1"))->x, 922);
    EXPECT_EQ(s.find(0, QStringLiteral("号码2"))->x, 1402);
    EXPECT_EQ(s.find(0, QStringLiteral("号码6"))->y, 696);

    // Row texts: the row number under 序号 and number k under 号码k.
    std::vector<RecordingSurface::Text> rowOne, rowLast;
    for (const auto &t : page.texts) {
        if (t.y == 960)
            rowOne.push_back(t);
        if (t.y == 6720)
            rowLast.push_back(t);
    }
    ASSERT_EQ(rowOne.size(), 7u);
    EXPECT_EQ(rowOne[0].text, QStringLiteral("1"));
    EXPECT_EQ(rowOne[0].x, 512);
    EXPECT_EQ(rowOne[1].text, QStringLiteral("01"));
    EXPECT_EQ(rowOne[1].x, 992);
    EXPECT_EQ(rowOne[2].x, 1472);
    ASSERT_EQ(rowLast.size(), 7u);
    EXPECT_EQ(rowLast[0].text, QStringLiteral("25"));

    const auto *pageLine = s.find(0, QStringLiteral("共1页\\第1页"));
    ASSERT_NE(pageLine, nullptr);
    EXPECT_EQ(pageLine->x, 4650);
    EXPECT_EQ(pageLine->y, 6850);
    EXPECT_EQ(s.begun, 1);
    EXPECT_EQ(s.ended, 1);
}

TEST(Printout, TwentySixRowsMakeTwoPages)
{
    const RecordingSurface s = printed(gridOf(26, 5), 5);
    ASSERT_EQ(s.pages.size(), 2u);
    EXPECT_NE(s.find(0, QStringLiteral("共2页\\第1页")), nullptr);
    EXPECT_NE(s.find(1, QStringLiteral("共2页\\第2页")), nullptr);
    EXPECT_EQ(s.find(1, QStringLiteral("双色球  投注号码")), nullptr);
    EXPECT_EQ(s.find(1, QStringLiteral("共26注 打印日期:2007-3-9")), nullptr);
    EXPECT_NE(s.find(1, QStringLiteral("序号")), nullptr);
    EXPECT_EQ(s.pages[1].lines.size(), 37u);
    const auto *row26 = s.find(1, QStringLiteral("26"));
    ASSERT_NE(row26, nullptr);
    EXPECT_EQ(row26->y, 960); // the first band of page 2
    EXPECT_EQ(printPageCount(gridOf(25, 5)), 1);
    EXPECT_EQ(printPageCount(gridOf(50, 5)), 2);
    EXPECT_EQ(printPageCount(gridOf(51, 5)), 3);
    // Three pages print at once; a fourth shows the progress with 取消.
    EXPECT_FALSE(printShowsProgress(printPageCount(gridOf(75, 5))));
    EXPECT_TRUE(printShowsProgress(printPageCount(gridOf(76, 5))));
}

TEST(Printout, PageLineOfANarrowPageStaysOnThePaper)
{
    // The line is 70 pixels wide here; at 9 W / 10 + 330 it just fits a
    // page 4000 wide, and on a narrower one it ends at the right edge.
    const auto pageLineX = [](int width) {
        const RecordingSurface s = printed(gridOf(3, 6), 6, {width, 6960});
        const auto *pageLine = s.find(0, QStringLiteral("共1页\\第1页"));
        EXPECT_EQ(pageLine ? pageLine->y : 0, 6850);
        EXPECT_EQ(s.find(0, QStringLiteral("序号"))->x, width / 14 + 100); // the rest stays put
        return pageLine ? pageLine->x : -1;
    };
    EXPECT_EQ(pageLineX(4000), 3930);
    EXPECT_EQ(pageLineX(3990), 3920);
    EXPECT_EQ(pageLineX(1000), 930);
}

TEST(Printout, SummaryCountsEveryResultRow)
{
    const RecordingSurface s = printed(gridOf(12, 7), 7);
    EXPECT_NE(s.find(0, QStringLiteral("共12注 打印日期:2007-3-9")), nullptr);
}

// 快乐8's ten numbers (eleven columns) used to print the ninth and tenth
// beyond the ruled table and the tenth off the paper.
TEST(Printout, BetsOfMoreNumbersThanTheTableHoldsGetNarrowerColumnsOnThePaper)
{
    const RecordingSurface eight = printed(gridOf(3, 8), 8);
    EXPECT_EQ(eight.find(0, QStringLiteral("号码8"))->x, 342 + 8 * 480 + 100);

    const RecordingSurface s = printed(gridOf(3, 10), 10);
    std::vector<int> vertical;
    for (const auto &line : s.pages[0].lines) {
        if (line.x1 == line.x2)
            vertical.push_back(line.x1);
    }
    ASSERT_EQ(vertical.size(), 12u);
    EXPECT_EQ(vertical.front(), 342);
    EXPECT_LE(vertical.back(), 342 + 4320); // the table's right edge
    const auto *heading = s.find(0, QStringLiteral("号码10"));
    const auto *tenth = s.find(0, QStringLiteral("10"));
    ASSERT_NE(heading, nullptr);
    ASSERT_NE(tenth, nullptr);
    // Each in the last column, between its rules.
    EXPECT_GT(heading->x, vertical[10]);
    EXPECT_GT(tenth->x, vertical[10]);
    EXPECT_LT(tenth->x, vertical[11]);
}

TEST(Printout, AbandonedJobIsAborted)
{
    RecordingSurface surface({4800, 6960});
    const bool done
        = printResultGrid(gridOf(80, 6), {QStringLiteral("x"), {Lotto, 33, 6}, QStringLiteral("d")}, surface,
                          [](int page, int) { return page < 3; });
    EXPECT_FALSE(done);
    EXPECT_EQ(surface.aborted, 1);
    EXPECT_EQ(surface.ended, 0);
    EXPECT_EQ(surface.pages.size(), 3u); // pages 1 and 2 drawn, page 3 begun
}

TEST(Printout, HeadingsFollowTheGridsBackZone)
{
    ResultGrid grid;
    const Lottery daletou{Lotto, 35, 5, "后区", 12, 2};
    grid.appendBet(daletou, {"03", "09", "17", "22", "35", "01", "12"});
    RecordingSurface s({4800, 6960});
    ASSERT_TRUE(printResultGrid(grid, {QStringLiteral("大乐透"), daletou, QStringLiteral("2026-9-7")}, s));
    // 后区1 and 后区2 stand in the columns of the sixth and seventh numbers,
    // above the back numbers of each row.
    const std::vector<std::pair<const char *, int>> headings{
        {"序号", 442}, {"号码1", 922}, {"号码5", 2842}, {"后区1", 3322}, {"后区2", 3802}};
    for (const auto &[text, x] : headings) {
        const auto *heading = s.find(0, QString::fromUtf8(text));
        ASSERT_NE(heading, nullptr) << text;
        EXPECT_EQ(heading->x, x) << text;
        EXPECT_EQ(heading->y, 696) << text;
    }
    EXPECT_EQ(s.find(0, QStringLiteral("号码6")), nullptr);
    EXPECT_EQ(s.find(0, QStringLiteral("12"))->x, 3802 + 70);
}

#include "results/result_grid.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> row(const ResultGrid &grid, int r)
{
    std::vector<std::string> cells;
    for (int c = 0; c < grid.columnCount(); ++c)
        cells.emplace_back(grid.cell(c, r));
    return cells;
}

using Cells = std::vector<std::string>;

Lottery lotteryOf(int count)
{
    return {Lotto, kMaxTotal, count};
}

} // namespace

TEST(ResultGrid, StartsAndClearsToTheEmptyShape)
{
    ResultGrid grid;
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 5);
    for (int r = 0; r < 12; ++r)
        grid.appendBet(lotteryOf(7), {"01", "02", "03", "04", "05", "06", "07"});
    ASSERT_EQ(grid.rowCount(), 13);
    ASSERT_EQ(grid.columnCount(), 8);
    grid.clear();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 5);
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(row(grid, r), Cells(5, "")) << r;
}

TEST(ResultGrid, FirstBetFillsRowOneAndLaterBetsAddRows)
{
    ResultGrid grid;
    grid.appendBet(lotteryOf(6), {"02", "03", "04", "16", "31", "32"});
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(row(grid, 0), (Cells{"序号", "号码1", "号码2", "号码3", "号码4", "号码5", "号码6"}));
    EXPECT_EQ(row(grid, 1), (Cells{"1", "02", "03", "04", "16", "31", "32"}));
    grid.appendBet(lotteryOf(6), {"01", "02", "29", "30", "31", "33"});
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(row(grid, 2), (Cells{"2", "01", "02", "29", "30", "31", "33"}));
    EXPECT_EQ(row(grid, 1)[1], "02");
    for (int r = 3; r <= 10; ++r)
        grid.appendBet(lotteryOf(6), {"1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(grid.cell(0, 10), "10");
}

TEST(ResultGrid, CellsOutsideTheGridAreEmpty)
{
    ResultGrid grid;
    grid.appendBet(lotteryOf(3), {"9", "5", "1"});
    EXPECT_EQ(grid.cell(4, 1), "");
    EXPECT_EQ(grid.cell(0, 2), "");
    EXPECT_EQ(grid.cell(-1, 0), "");
    EXPECT_EQ(grid.cell(3, 1), "1");
}

TEST(ResultGrid, DroppedColumnsDoNotComeBack)
{
    ResultGrid grid;
    grid.appendBet(lotteryOf(7), {"01", "02", "03", "04", "05", "06", "07"});
    grid.appendBet(lotteryOf(3), {"9", "5", "1"});
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(row(grid, 1), (Cells{"1", "01", "02", "03"}));
    grid.setColumnCount(8);
    EXPECT_EQ(grid.cell(4, 1), "");
    EXPECT_EQ(grid.cell(0, 0), "序号");
}

TEST(ResultGrid, RowsCanBeSetInAnyOrder)
{
    ResultGrid grid;
    grid.setColumnCount(3);
    grid.setRowCount(4);
    grid.setRow(3, {"3", "c", "cc"});
    grid.setRow(1, {"1", "a", "aa"});
    grid.setRow(2, {"2", "b"});
    grid.setRow(1, {"1", "longer text", "x"});
    EXPECT_EQ(row(grid, 1), (Cells{"1", "longer text", "x"}));
    EXPECT_EQ(row(grid, 2), (Cells{"2", "b", ""}));
    EXPECT_EQ(row(grid, 3), (Cells{"3", "c", "cc"}));
    grid.setRowCount(2);
    EXPECT_EQ(grid.rowCount(), 2);
    grid.setRowCount(3);
    EXPECT_EQ(row(grid, 2), Cells(3, ""));
    grid.appendRow({"9", "z"});
    EXPECT_EQ(row(grid, 3), (Cells{"9", "z", ""}));
}

TEST(ResultGridColumns, WidthIsShared)
{
    EXPECT_EQ(resultColumnWidth(441, 7), 52);
    EXPECT_EQ(resultColumnWidth(441, 3), 105);
    EXPECT_EQ(resultHeadings(lotteryOf(12)).front(), "序号");
    EXPECT_EQ(resultHeadings(lotteryOf(12)).back(), "号码12");
}

TEST(ResultGridColumns, ABackZoneIsHeadedByItsName)
{
    EXPECT_EQ(resultHeadings({Lotto, 33, 2, "蓝球", 16, 1}), (Cells{"序号", "号码1", "号码2", "蓝球"}));
    EXPECT_EQ(resultHeadings({Lotto, 35, 1, "后区", 12, 2}), (Cells{"序号", "号码1", "后区1", "后区2"}));
}

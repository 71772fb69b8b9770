#include "base/app_error.h"
#include "results/grid_history.h"
#include "results/result_grid_model.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Lottery lotteryOf(int count)
{
    return {Lotto, kMaxTotal, count};
}

ResultGrid bets(int count, int numbers = 7)
{
    ResultGrid grid;
    std::vector<std::string> bet;
    for (int k = 1; k <= numbers; ++k)
        bet.push_back("0" + std::to_string(k));
    for (int i = 0; i < count; ++i)
        grid.appendBet(lotteryOf(static_cast<int>(bet.size())), bet);
    return grid;
}

ResultGridModel::Snapshot shown(ResultGrid grid)
{
    ResultGridModel::Snapshot snapshot;
    snapshot.grid = std::move(grid);
    return snapshot;
}

using History = GridHistory<std::string>;

} // namespace

// An undo step shares the rows it took; whatever happens to the grid later
// must not reach into the step.
TEST(GridRows, CopiesShareUntilOneChanges)
{
    ResultGrid grid = bets(3);
    const ResultGrid kept = grid;
    EXPECT_TRUE(kept.sharesRowsWith(grid));
    grid.appendBet(lotteryOf(7), {"11", "12", "13", "14", "15", "16", "17"});
    grid.setRow(1, {"1", "21", "22"});
    EXPECT_FALSE(kept.sharesRowsWith(grid));
    EXPECT_EQ(kept.rowCount(), 4);
    EXPECT_EQ(kept.cell(1, 1), "01");
    EXPECT_EQ(kept.cell(7, 3), "07");
    EXPECT_EQ(grid.rowCount(), 5);

    ResultGrid moved = std::move(grid);
    EXPECT_EQ(moved.cell(1, 4), "11");
    EXPECT_EQ(grid.rowCount(), 2); // NOLINT(bugprone-use-after-move): left empty, still usable
    grid.appendBet(lotteryOf(1), {"01"});
    EXPECT_EQ(grid.cell(1, 1), "01");
    EXPECT_EQ(ResultGrid().cell(1, 1), ""); // the shared empty shape is untouched
}

TEST(GridModel, RowsOfAnotherSizeAreNeverAppendedOrShown)
{
    ResultGridModel model;
    model.exchange(shown(bets(2, 6)), 6);
    EXPECT_THROW(model.appendBet(lotteryOf(3), {"01", "02", "03"}), AppError);
    EXPECT_THROW(model.appendBet(lotteryOf(6), {"01", "02", "03"}), AppError);
    EXPECT_THROW(model.exchange(shown(bets(1, 3)), 6), AppError);
    EXPECT_EQ(model.grid(), bets(2, 6));
    // An empty grid fits every lottery, and a lottery's first bet any grid.
    model.exchange({}, 3);
    model.appendBet(lotteryOf(3), {"1", "2", "3"});
    EXPECT_EQ(model.grid().columnCount(), 4);
}

TEST(GridModel, UnsavedBetsTravelWithTheirGrid)
{
    ResultGridModel model;
    model.appendBet(lotteryOf(2), {"01", "02"});
    EXPECT_TRUE(model.hasUnsavedBets());
    ResultGridModel::Snapshot converted = model.exchange({}, 2);
    EXPECT_FALSE(model.hasUnsavedBets());
    model.exchange(std::move(converted), 2);
    EXPECT_TRUE(model.hasUnsavedBets());
    model.markSaved();
    EXPECT_FALSE(model.hasUnsavedBets());
    model.exchange(shown(bets(1, 2)), 2); // loaded: nothing to save
    EXPECT_FALSE(model.hasUnsavedBets());
}

// Loading one large file again and again keeps one copy of its rows: the
// grid shown and every step share it.
TEST(GridHistory, RepeatedLoadsOfOneFileShareOneCopy)
{
    ResultGridModel model;
    History history;
    for (int i = 0; i < 14; ++i)
        history.push({model.exchange(shown(bets(1000)), 7), "双色球"}, model.grid());
    EXPECT_EQ(history.size(), History::kDepth);
    EXPECT_LT(history.ownBytes(model.grid()), model.grid().memoryUsed() / 10);
    EXPECT_TRUE(history.newest().content.grid.sharesRowsWith(model.grid()));
}

TEST(GridHistory, KeepsTenStepsAndDropsTheOldestBeyondItsBytes)
{
    History history;
    const ResultGrid small = bets(3);
    for (int i = 0; i < 12; ++i)
        history.push({shown(bets(i + 1)), std::to_string(i)}, small);
    EXPECT_EQ(history.size(), History::kDepth);
    EXPECT_EQ(history.newest().lottery, "11");

    // Distinct grids of more bytes than the bound: the oldest go, the
    // newest always stays.
    const auto large = [] {
        ResultGrid grid;
        grid.appendRow({"1", std::string(History::kBytes, '7')});
        return grid;
    };
    history.push({shown(large()), "large 1"}, small);
    history.push({shown(large()), "large 2"}, small);
    EXPECT_EQ(history.size(), 1u);
    EXPECT_EQ(history.newest().lottery, "large 2");
    EXPECT_EQ(history.takeNewest().lottery, "large 2");
    EXPECT_TRUE(history.empty());
}

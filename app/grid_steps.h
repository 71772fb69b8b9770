#pragma once

#include "catalogue/lottery_info.h"
#include "results/grid_history.h"
#include "results/result_grid_model.h"

#include <functional>

// The result grid's undo and redo: every replacement of what the grid shows
// (a clear, a selection, a load, bets added from 组号 or a ticket) is a step
// that brings back the rows and the lottery they were made for. Steps the
// history drops are freed on a worker thread: freeing a million rows takes
// the time of a frame or more.
class GridSteps
{
public:
    using Step = GridHistory<LotteryInfo>::Step;
    // Shows a step (its lottery and its rows) and returns what it replaced.
    using ShowStep = std::function<ResultGridModel::Snapshot(Step)>;

    explicit GridSteps(ResultGridModel &model);

    // Shows `next` for bets of `count` numbers; what stood before becomes an
    // undo step with `before`, the lottery its bets were made for.
    void replace(ResultGridModel::Snapshot next, int count, const LotteryInfo &before);
    // `current` is the lottery shown now; nothing happens without a step.
    void undo(const LotteryInfo &current, const ShowStep &show);
    void redo(const LotteryInfo &current, const ShowStep &show);

private:
    void freeDropped();

    ResultGridModel &m_model;
    GridHistory<LotteryInfo> m_history;
};

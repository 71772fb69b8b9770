#pragma once

#include "results/bet_fit.h"
#include "results/result_grid_model.h"

// The rows of a read number file made ready for the grid, off the window's
// thread: which of them are no bet of the lottery they will be shown under,
// and their repeats indexed, so that showing them costs the window nothing
// but a swap.
struct LoadedRows
{
    ResultGridModel::Snapshot rows;
    GridMisfits misfits;
};

// `grid` holds a file's rows to be shown under `lottery`; `shown` is the grid
// on screen: a file of the same rows takes over its rows and its index, so
// loading one file again and again holds one copy of it.
LoadedRows loadedRows(ResultGrid grid, const Lottery &lottery, const ResultGrid &shown);

// "数字型10选3", "乐透型33选6+16选1": a lottery's shape as players say it.
std::string lotteryShapeText(const Lottery &lottery);

// What is said when a file names a listed lottery but is of another shape:
// its rows are shown in the file's shape, the listed lottery stays as it is.
std::string otherShapeWarning(const std::string &name, const Lottery &file);

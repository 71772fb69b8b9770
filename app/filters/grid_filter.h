#pragma once

#include "base/lottery.h"
#include "results/result_grid.h"

#include <cstdint>
#include <span>
#include <vector>

// Where the result grid meets the 缩水 filters: its rows read as bets, and
// the grid of the rows a filter kept.

// The grid's bets laid end to end as BetFilter::kept reads them: each the
// lottery's front numbers (sorted for a Lotto lottery) then its back
// numbers. A row that holds no bet of the lottery is not among them and is
// kept whatever the conditions say: nothing the player did not choose to
// drop is dropped.
struct GridBets
{
    std::vector<int> numbers;
    std::vector<int> rows;   // the grid row of each bet
    std::vector<int> others; // rows that hold no bet of the lottery
    std::int64_t count() const { return static_cast<std::int64_t>(rows.size()); }
};
GridBets readGridBets(const ResultGrid &grid, const Lottery &lottery);

// The grid with its header and only the rows of the bets kept (places into
// `bets`) and the rows that hold no bet, numbered again from 1.
ResultGrid keptGrid(const ResultGrid &grid, const GridBets &bets, std::span<const std::uint32_t> kept);

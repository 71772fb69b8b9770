#pragma once

#include "results/result_grid.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Whether the numbers of a row can be a bet of a lottery: every number a
// decimal of one or two digits within its zone's range, and a Lotto zone's
// numbers all different. A file loaded under the wrong lottery, or one of
// letters, breaks these; such rows are shown, but no check counts them.

// Why these numbers (front then back, as a row of the grid holds them) are
// no bet of the lottery, as the player reads it ("35不在1到33之间"), or
// nothing when they are one.
std::optional<std::string> betMisfit(std::span<const std::string_view> numbers, const Lottery &lottery);

// The rows of a grid that are no bet of the lottery it is shown under.
struct GridMisfits
{
    std::vector<int> rows;            // ascending, from 1
    std::vector<std::string> reasons; // "第3行：35不在1到33之间" for the first few rows
};

// Rows of the grid (from 1; rows without a row number, the empty row of an
// emptied table, are no bets and are passed over), the first `quoted` of
// them with their reasons.
GridMisfits gridMisfits(const ResultGrid &grid, const Lottery &lottery, std::size_t quoted = 3);

// The one message after a load that brought such rows:
// how many, under which lottery, the first reasons, and what is done.
std::string misfitMessage(const GridMisfits &misfits, const std::string &lotteryName);

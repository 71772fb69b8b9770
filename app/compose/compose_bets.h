#pragma once

#include "base/lottery.h"
#include "base/outcome.h"
#include "results/result_grid.h"
#include "wheels/binomial.h"
#include "wheels/covering.h"
#include "wheels/zone_choice.h"

#include <functional>
#include <optional>
#include <vector>

// How the 组号 window makes bets from the balls chosen.
enum class ComposePlay {
    Compound, // 复式 (of a zone, or of every position of a digit lottery)
    Banker,   // 胆拖
    Wheel,    // 旋转矩阵 of the front zone, with every bet of the back zone
    Group3,   // 组选3
    Group6,   // 组选6
};

struct ComposeRequest
{
    Lottery lottery;
    ComposePlay play = ComposePlay::Compound;
    // Lotto: the front zone, then the back one when the lottery has it.
    // Digit: one a position (the digits in `others`); 组选 reads the first.
    std::vector<ZoneChoice> zones;
    int drawn = 0; // the wheel's 中m
    int kept = 0;  // the wheel's 保t
};

// The wheel the request needs (its V the front numbers chosen); nothing for
// other plays or when its terms have a problem.
std::optional<WheelTerms> requestedWheel(const ComposeRequest &request);

// The number of bets, counted without building them; a wheel's bets count
// once its bets are at hand (`wheel`). Refused with a sentence for the player
// for a choice that makes no bets.
Outcome<BetCount> composeCount(const ComposeRequest &request, const std::vector<BetMask> *wheel);

// The bets laid end to end (front numbers ascending, then the back ones) as
// BetFilter::kept reads them. `progress` is told the bets made now and then
// and answers false to stop (the result is then incomplete).
std::vector<int> composeBets(const ComposeRequest &request, const std::vector<BetMask> *wheel,
                             const std::function<bool(BetCount)> &progress);

// Puts the bets `kept` picks out of composeBets' `numbers` (all of them when
// nothing is given) into the grid as rows, two-digit numbers for a Lotto
// lottery. `progress` is told now and then how many rows are in and answers
// false to stop; false when it did.
bool appendComposed(ResultGrid &grid, const Lottery &lottery, const std::vector<int> &numbers,
                    const std::vector<std::uint32_t> *kept, const std::function<bool(size_t)> &progress);

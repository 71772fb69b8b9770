#pragma once

#include "filters/bet_stats.h"

#include <cstdint>
#include <vector>

// The values a statistic can take for bets of a lottery under the given
// conventions, smallest first (ratios in the order of their first count,
// largest first: "6:0", "5:1" …), for a panel to offer. A ratio is offered
// only where some bet has it: 012路 "0:0:6" needs six numbers of 0路.
std::vector<std::int64_t> statChoices(FilterStat stat, const Lottery &lottery,
                                      const FilterConventions &conventions);

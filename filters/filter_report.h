#pragma once

#include "filters/bet_filter.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// How often the past draws of a lottery met one condition: what the
// condition costs in hit chance.
struct ConditionRate
{
    std::string name; // the condition's name, as BetFilter::conditionName
    int met = 0;
    int draws = 0;

    // "近100期 82%" (rounded to a whole percent), or "无可比的开奖" when no
    // draw could be compared.
    std::string text() const;

    friend bool operator==(const ConditionRate &, const ConditionRate &) = default;
};

// Every condition of `filter` against the most recent `recent` of `draws`
// (oldest first; each read as a bet). Only draws of the bet's shape count:
// a 快乐8 draw of 20 numbers says nothing about a bet of 10. For 重号 and
// 邻号 each draw is compared with the one before it, so the oldest draw
// given only serves as the earlier draw of the next.
std::vector<ConditionRate> conditionRates(const BetFilter &filter, std::span<const FilterBet> draws,
                                          int recent = 100);

// What applying the filters will do, shown before anything changes:
// "缩水前1000注 → 缩水后120注，投入240元" at `priceFen` 分 a bet.
std::string shrinkReportText(std::int64_t before, std::int64_t after, std::int64_t priceFen);

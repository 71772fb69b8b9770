#pragma once

#include "base/outcome.h"
#include "filters/bet_stats.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One condition the player set on a statistic: its value lies in a range
// (和值 80 to 120) or is one of the values ticked (奇偶比 3:3 or 4:2; ratios
// by ratioKey).
struct ValueCondition
{
    FilterStat stat = FilterStat::Sum;
    bool isRange = false;
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::vector<std::int64_t> values;

    static ValueCondition between(FilterStat stat, std::int64_t low, std::int64_t high);
    static ValueCondition oneOf(FilterStat stat, std::vector<std::int64_t> values);
    bool allows(std::int64_t value) const;

    friend bool operator==(const ValueCondition &, const ValueCondition &) = default;
};

// Everything a 缩水 panel sets. Conditions not set are not tested.
struct FilterSettings
{
    FilterConventions conventions; // start from FilterConventions::defaultsFor(lottery)
    std::vector<ValueCondition> conditions;
    std::vector<int> must;     // 胆码: every bet holds them all
    std::vector<int> kill;     // 杀号: no bet holds any
    std::vector<int> backKill; // 后区杀号
    std::vector<int> lastDraw; // the front of the last stored draw, for 重号 and 邻号
};

// A bet as the filters read it: the front numbers (sorted for a Lotto
// lottery) and the back numbers. A past draw is read the same way.
struct FilterBet
{
    std::span<const int> front;
    std::span<const int> back;
};

// The settings checked against a lottery and made ready to test many bets.
class BetFilter
{
public:
    // The filter, or why the settings cannot filter bets of this lottery
    // (a number outside the pool, a 胆码 that is also a 杀号, a ratio that
    // no bet can have …), in a sentence for the player.
    static Outcome<BetFilter> make(const Lottery &lottery, const FilterSettings &settings);

    bool passes(FilterBet bet) const;
    // The bets laid end to end, each the lottery's front count then its
    // back count of numbers: the places (from 0) of those that pass.
    std::vector<std::uint32_t> kept(std::span<const int> numbers) const;

    // The conditions one by one: each value condition in the order given,
    // then 胆码, 杀号 and 后区杀号 where set.
    size_t conditionCount() const { return m_conditions.size() + m_setConditions.size(); }
    std::string conditionName(size_t index) const;
    bool conditionNeedsLastDraw(size_t index) const;
    // Whether `bet` meets condition `index`, with `last` as the draw before it.
    bool meets(size_t index, FilterBet bet, const LastDraw &last) const;

    const StatMaker &maker() const { return m_maker; }
    int frontCount() const { return m_lottery.count; }
    int backCount() const { return m_lottery.backCount; }

private:
    enum class SetKind { Must, Kill, BackKill };
    struct SetCondition
    {
        SetKind kind;
        NumberMask numbers;
    };

    BetFilter(const Lottery &lottery, const FilterSettings &settings);
    static bool meetsSet(const SetCondition &condition, const BetStats &stats);

    Lottery m_lottery;
    StatMaker m_maker;
    std::vector<ValueCondition> m_conditions;
    std::vector<SetCondition> m_setConditions;
    LastDraw m_last;
};

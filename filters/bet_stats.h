#pragma once

#include "base/lottery.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The statistics of a bet that 缩水 conditions test: one value each. A ratio
// (奇偶比, 012路比, 区间比 …) is held as one key of its counts (ratioKey), so
// that every condition is "the value lies in a range" or "the value is one of
// these".
enum class FilterStat {
    Sum,            // 和值
    Span,           // 跨度: largest minus smallest
    OddEven,        // 奇偶比, odd first
    BigSmall,       // 大小比, big first
    PrimeComposite, // 质合比, prime first; 合 is every number that is not 质
    Consecutive,    // 连号: pairs n, n+1 both in the bet (11 12 13 is two pairs)
    Ac,             // AC值: distinct positive differences − (numbers − 1)
    Road012,        // 012路比: counts of n mod 3 = 0, 1, 2
    DistinctTails,  // 尾数个数: distinct last digits (fewer than the numbers: 同尾)
    TailSum,        // 尾数和
    Zones,          // 区间比: counts per 区间
    Repeats,        // 重号: numbers of the last draw
    Neighbours,     // 邻号: numbers ±1 of a number of the last draw
    BackOddEven,    // 后区奇偶比
    BackBigSmall,   // 后区大小比
};
inline constexpr int kFilterStatCount = 15;

// The name a panel shows: "和值", "后区奇偶比" ….
std::string statName(FilterStat stat);
bool isRatio(FilterStat stat);
// Statistics that compare the bet with the last stored draw.
bool needsLastDraw(FilterStat stat);

// The conventions on which players differ, with the common defaults; a
// panel shows them and lets the player change them.
struct FilterConventions
{
    bool onePrime = true;           // 01 counts as 质 (most 缩水 tools do)
    int smallUpTo = 0;              // front numbers up to this are 小
    int backSmallUpTo = 0;          // back numbers up to this are 小
    std::vector<int> zoneEnds;      // the last number of each 区间 but the last
    bool repeatIsNeighbour = false; // a number of the last draw may also count as 邻号

    // 小 is the lower half of the pool (01–16 of 33, 01–17 of 35, 0–4 of a
    // digit); three 区间 as equal as can be, the first ones the larger
    // (01–11/12–22/23–33, 01–12/13–24/25–35).
    static FilterConventions defaultsFor(const Lottery &lottery);

    friend bool operator==(const FilterConventions &, const FilterConventions &) = default;
};

// The conventions in a line a panel shows beside its conditions:
// "01算质数；小01–16 大17–33；区间01–11 12–22 23–33；蓝球小01–08 大09–16".
std::string conventionsText(const Lottery &lottery, const FilterConventions &conventions);

// A ratio's counts as one value, and back: {5, 1} ↔ "5:1". At most 8 parts
// of at most 63 each.
std::int64_t ratioKey(std::span<const int> counts);
std::int64_t ratioKey(std::initializer_list<int> counts);
std::vector<int> ratioCounts(std::int64_t key);
// A value as a panel shows it: "97", "5:1", "2:4:0".
std::string statValueText(FilterStat stat, std::int64_t value);

// A set of numbers of one zone (up to 127) as two machine words.
struct NumberMask
{
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    void add(int number);
    bool has(int number) const;
    int count() const;
    NumberMask operator&(const NumberMask &other) const { return {low & other.low, high & other.high}; }
    NumberMask operator|(const NumberMask &other) const { return {low | other.low, high | other.high}; }
    NumberMask operator~() const { return {~low, ~high}; }
    NumberMask shiftedDown(int by) const; // every number less by `by`; those below 0 drop
    bool empty() const { return (low | high) == 0; }

    static NumberMask of(std::span<const int> numbers);
    friend bool operator==(const NumberMask &, const NumberMask &) = default;
};

// The numbers of the last stored draw, as 重号 and 邻号 need them.
struct LastDraw
{
    NumberMask numbers;
    NumberMask neighbours; // ±1 of a number drawn, within the pool

    static LastDraw of(std::span<const int> front, const FilterConventions &conventions, int lowest,
                       int highest);
};

struct BetStats
{
    std::array<std::int64_t, kFilterStatCount> values{};
    NumberMask front;
    NumberMask back;

    std::int64_t operator[](FilterStat stat) const { return values[static_cast<size_t>(stat)]; }
};

// Computes every statistic of a bet from tables made once per lottery and
// conventions: one pass over the numbers, then a few masks.
class StatMaker
{
public:
    StatMaker(const Lottery &lottery, const FilterConventions &conventions);

    // A Digit lottery's repeated numbers count once for 连号, AC值, 重号 and
    // 邻号 and each time for the rest.
    BetStats stats(std::span<const int> front, std::span<const int> back, const LastDraw &last) const;

    const FilterConventions &conventions() const { return m_conventions; }
    int lowest() const { return m_lowest; }
    int highest() const { return m_highest; }

private:
    // Per number: bit 0 odd, 1 big, 2 prime, 3–4 road, 5–7 区间, 8–11 tail.
    std::array<std::uint16_t, 128> m_front{};
    std::array<std::uint16_t, 128> m_back{};
    FilterConventions m_conventions;
    int m_zones = 1;
    int m_lowest = 1;
    int m_highest = 0;
};

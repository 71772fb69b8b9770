// 缩水 over a million bets: every condition set, so that each bet's
// statistics are all computed and every test runs.
#include "filters/bet_filter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kBets = 1000000;

// A million bets of `lottery`, laid end to end, front sorted and distinct
// as the grid holds them.
std::vector<int> millionBets(const Lottery &lottery)
{
    std::vector<int> numbers;
    numbers.reserve(static_cast<size_t>(kBets) * static_cast<size_t>(lottery.numberCount()));
    std::uint32_t seed = 7;
    const auto next = [&](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint64_t>(range)) >> 32);
    };
    for (int bet = 0; bet < kBets; ++bet) {
        std::vector<bool> taken(static_cast<size_t>(lottery.total) + 1);
        for (int k = 0; k < lottery.count;) {
            const int n = next(lottery.total) + 1;
            if (!taken[static_cast<size_t>(n)]) {
                taken[static_cast<size_t>(n)] = true;
                ++k;
            }
        }
        for (int n = 1; n <= lottery.total; ++n) {
            if (taken[static_cast<size_t>(n)])
                numbers.push_back(n);
        }
        for (int k = 0; k < lottery.backCount; ++k)
            numbers.push_back(k == 0 ? next(lottery.backTotal / 2) + 1 : lottery.backTotal);
    }
    return numbers;
}

std::vector<std::int64_t> everyRatio(int count, int parts)
{
    std::vector<std::int64_t> keys;
    std::vector<int> counts(static_cast<size_t>(parts));
    const auto fill = [&](auto &self, size_t at, int left) -> void {
        if (at + 1 == counts.size()) {
            counts[at] = left;
            keys.push_back(ratioKey(counts));
            return;
        }
        for (int c = 0; c <= left; ++c) {
            counts[at] = c;
            self(self, at + 1, left - c);
        }
    };
    fill(fill, 0, count);
    return keys;
}

// Every condition set; the ranges wide and the ratios those of most bets,
// so that few bets fall out early.
FilterSettings everyCondition(const Lottery &lottery)
{
    using enum FilterStat;
    FilterSettings s;
    s.conventions = FilterConventions::defaultsFor(lottery);
    const int k = lottery.count;
    s.conditions = {
        ValueCondition::between(Sum, 0, 1000),
        ValueCondition::between(Span, 0, 99),
        ValueCondition::oneOf(OddEven, everyRatio(k, 2)),
        ValueCondition::oneOf(BigSmall, everyRatio(k, 2)),
        ValueCondition::oneOf(PrimeComposite, everyRatio(k, 2)),
        ValueCondition::between(Consecutive, 0, k),
        ValueCondition::between(Ac, 0, 100),
        ValueCondition::oneOf(Road012, everyRatio(k, 3)),
        ValueCondition::between(DistinctTails, 1, 10),
        ValueCondition::between(TailSum, 0, 100),
        ValueCondition::oneOf(Zones, everyRatio(k, 3)),
        ValueCondition::between(Repeats, 0, k),
        ValueCondition::between(Neighbours, 0, k),
    };
    if (lottery.hasBack()) {
        s.conditions.push_back(ValueCondition::oneOf(BackOddEven, everyRatio(lottery.backCount, 2)));
        s.conditions.push_back(ValueCondition::oneOf(BackBigSmall, everyRatio(lottery.backCount, 2)));
        s.backKill = {lottery.backTotal - 1};
    }
    s.kill = {lottery.total};
    s.lastDraw = {2, 7, 13, 19, 26, 33};
    return s;
}

void runFilter(benchmark::State &state, const Lottery &lottery)
{
    const std::vector<int> bets = millionBets(lottery);
    const BetFilter filter = BetFilter::make(lottery, everyCondition(lottery)).value();
    size_t kept = 0;
    for (auto _ : state) {
        const std::vector<std::uint32_t> places = filter.kept(bets);
        kept = places.size();
        benchmark::DoNotOptimize(places.data());
    }
    state.counters["bets"] = kBets;
    state.counters["kept"] = static_cast<double>(kept);
    state.SetItemsProcessed(state.iterations() * kBets);
}

// 双色球: 6 of 33 and a 蓝球.
void BM_FilterMillionDoubleColour(benchmark::State &state)
{
    runFilter(state, Lottery(Lotto, 33, 6, "蓝球", 16, 1));
}
BENCHMARK(BM_FilterMillionDoubleColour)->Unit(benchmark::kMillisecond);

// 快乐8 选十: 10 of 80, numbers past the first machine word.
void BM_FilterMillionHappyEight(benchmark::State &state)
{
    runFilter(state, Lottery(Lotto, 80, 10));
}
BENCHMARK(BM_FilterMillionHappyEight)->Unit(benchmark::kMillisecond);

} // namespace

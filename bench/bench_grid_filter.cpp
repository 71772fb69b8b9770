// 缩水 of the result grid at a million bets, every step the 缩水 dialog
// takes on the window's thread: reading the grid's rows as bets (once, as
// the dialog opens), counting the bets kept (each time the conditions
// change) and making the grid of the kept rows (once, when applied).
#include "app/filters/grid_filter.h"
#include "base/two_digit.h"
#include "filters/bet_filter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kBets = 1000000;
const Lottery kSsq(Lotto, 33, 6, "蓝球", 16, 1);

// A million 双色球 bets as conversions leave them: sorted, two digits.
ResultGrid millionBetGrid()
{
    ResultGrid grid;
    std::uint32_t seed = 7;
    const auto next = [&](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint64_t>(range)) >> 32);
    };
    grid.reserve(kBets, static_cast<size_t>(kBets) * 28);
    std::vector<std::string> cells;
    for (int bet = 0; bet < kBets; ++bet) {
        bool taken[34] = {};
        for (int k = 0; k < 6;) {
            const int n = next(33) + 1;
            k += taken[n] ? 0 : 1;
            taken[n] = true;
        }
        cells.clear();
        for (int n = 1; n <= 33; ++n) {
            if (taken[n])
                cells.push_back(twoDigit(n));
        }
        cells.push_back(twoDigit(next(16) + 1));
        grid.appendBet(kSsq, cells);
    }
    return grid;
}

// A player's usual conditions: 和值 and 奇偶比, with some kept.
BetFilter usualFilter()
{
    FilterSettings settings;
    settings.conventions = FilterConventions::defaultsFor(kSsq);
    settings.conditions = {ValueCondition::between(FilterStat::Sum, 80, 120),
                           ValueCondition::oneOf(FilterStat::OddEven, {ratioKey({3, 3}), ratioKey({4, 2})})};
    return BetFilter::make(kSsq, settings).value();
}

const ResultGrid &grid()
{
    static const ResultGrid made = millionBetGrid();
    return made;
}

void BM_ReadMillionGridBets(benchmark::State &state)
{
    for (auto _ : state) {
        const GridBets bets = readGridBets(grid(), kSsq);
        benchmark::DoNotOptimize(bets.numbers.data());
    }
}
BENCHMARK(BM_ReadMillionGridBets)->Unit(benchmark::kMillisecond);

void BM_CountKeptOfMillion(benchmark::State &state)
{
    const GridBets bets = readGridBets(grid(), kSsq);
    const BetFilter filter = usualFilter();
    size_t kept = 0;
    for (auto _ : state) {
        kept = filter.kept(bets.numbers).size();
        benchmark::DoNotOptimize(kept);
    }
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_CountKeptOfMillion)->Unit(benchmark::kMillisecond);

void BM_KeptGridOfMillion(benchmark::State &state)
{
    const GridBets bets = readGridBets(grid(), kSsq);
    const std::vector<std::uint32_t> kept = usualFilter().kept(bets.numbers);
    for (auto _ : state) {
        const ResultGrid result = keptGrid(grid(), bets, kept);
        benchmark::DoNotOptimize(result.rowCount());
    }
}
BENCHMARK(BM_KeptGridOfMillion)->Unit(benchmark::kMillisecond);

} // namespace

#include "results/result_grid.h"

#include <benchmark/benchmark.h>

namespace {

// A million bets of seven numbers appended one by one, as a million presses
// of "转换号码" would; reports the bytes the grid holds per row.
void BM_AppendMillionBets(benchmark::State &state)
{
    const std::vector<std::string> bet{"01", "05", "12", "17", "23", "28", "33"};
    size_t bytes = 0;
    for (auto _ : state) {
        ResultGrid grid;
        for (int i = 0; i < 1000000; ++i)
            grid.appendBet(bet);
        bytes = grid.memoryUsed();
        benchmark::DoNotOptimize(grid);
    }
    state.counters["bytes_per_row"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_AppendMillionBets)->Unit(benchmark::kMillisecond);

} // namespace

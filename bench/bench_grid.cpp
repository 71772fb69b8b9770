#include "base/file_io.h"
#include "results/number_file.h"
#include "results/result_grid.h"

#include <filesystem>

#include <benchmark/benchmark.h>

namespace {

const Lottery kSevenOf35{Lotto, 35, 7};

// A million bets of seven numbers appended one by one, as a million presses
// of "转换号码" would; reports the bytes the grid holds per row.
void BM_AppendMillionBets(benchmark::State &state)
{
    const std::vector<std::string> bet{"01", "05", "12", "17", "23", "28", "33"};
    size_t bytes = 0;
    for (auto _ : state) {
        ResultGrid grid;
        for (int i = 0; i < 1000000; ++i)
            grid.appendBet(kSevenOf35, bet);
        bytes = grid.memoryUsed();
        benchmark::DoNotOptimize(grid);
    }
    state.counters["bytes_per_row"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_AppendMillionBets)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

ResultGrid millionBets()
{
    ResultGrid grid;
    const std::vector<std::string> bet{"01", "05", "12", "17", "23", "28", "33"};
    for (int i = 0; i < 1000000; ++i)
        grid.appendBet(kSevenOf35, bet);
    return grid;
}

std::string benchFile()
{
    return (std::filesystem::temp_directory_path() / "korvel-bench-numbers.txt").string();
}

// Saving a million rows of seven numbers to a file, as "保存号码" does.
void BM_SaveMillionRows(benchmark::State &state)
{
    const ResultGrid grid = millionBets();
    for (auto _ : state)
        writeFileAtomically(benchFile(), savedNumberFile(grid, kSevenOf35));
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(benchFile())) / 1e6;
}
BENCHMARK(BM_SaveMillionRows)->Unit(benchmark::kMillisecond);

// Loading it back, as "加载号码" does; reports the grid's bytes per row.
void BM_LoadMillionRows(benchmark::State &state)
{
    writeFileAtomically(benchFile(), savedNumberFile(millionBets(), kSevenOf35));
    size_t bytes = 0;
    for (auto _ : state) {
        auto content = parseNumberFile(readFile(benchFile()), kSevenOf35);
        bytes = content.value().grid.memoryUsed();
        benchmark::DoNotOptimize(content);
    }
    state.counters["bytes_per_row"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove(benchFile());
}
BENCHMARK(BM_LoadMillionRows)->Unit(benchmark::kMillisecond);

} // namespace

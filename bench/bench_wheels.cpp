// The shipped 旋转矩阵 tables against the La Jolla records: for every row of
// records.csv, the time the program takes to offer its wheel (read the
// table and check it against every T-set), the offered size, the record
// and their ratio; then the program's own search from scratch, bounded to
// KORVEL_WHEEL_SEARCH_SECONDS (default 2) a row, with the size it reaches
// and the time it took to reach it. Ends with the table's worst ratio and
// the rows that equal the record.
#include "base/file_io.h"
#include "wheels/covering_search.h"
#include "wheels/wheel_shelf.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

// The tables as shipped (the build copies them to the program folder as they are).
const std::string kFolder = KORVEL_SOURCE_DIR "/install/附属/旋转矩阵/";

struct Row
{
    WheelTerms terms;
    WheelRecord record;
    size_t offered = 0;
};

std::vector<Row> &rows()
{
    static std::vector<Row> all;
    return all;
}

void offer(benchmark::State &state, Row *row)
{
    const WheelShelf shelf({kFolder});
    for (auto _ : state) {
        const auto wheel = shelf.find(row->terms);
        benchmark::DoNotOptimize(wheel);
        row->offered = wheel ? wheel->size() : 0;
    }
    state.counters["offered"] = static_cast<double>(row->offered);
    state.counters["record"] = row->record.bets;
    state.counters["ratio"] = static_cast<double>(row->offered) / row->record.bets;

    const char *bound = std::getenv("KORVEL_WHEEL_SEARCH_SECONDS");
    WheelSearchOptions options;
    options.seconds = bound ? std::atof(bound) : 2.0;
    options.goal = static_cast<int>(row->offered);
    double reached = 0;
    int best = 0;
    options.progress = [&](const WheelProgress &p) {
        if (best == 0 || p.bets < best) {
            best = p.bets;
            reached = p.seconds;
        }
    };
    const auto found = searchWheel(row->terms, options);
    state.counters["search"] = static_cast<double>(found.size());
    state.counters["search_s"] = reached;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    const std::string records = readFile(kFolder + "records.csv");
    std::istringstream lines(records);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] < '0' || line[0] > '9')
            continue;
        Row row;
        char comma = 0;
        std::istringstream fields(line);
        fields >> row.terms.v >> comma >> row.terms.k >> comma >> row.terms.t;
        row.terms.m = row.terms.t;
        row.record = *findWheelRecord(records, row.terms);
        rows().push_back(row);
    }
    for (Row &row : rows()) {
        const std::string name = "BM_Wheel/" + std::to_string(row.terms.v) + "/" + std::to_string(row.terms.k)
                                 + "/" + std::to_string(row.terms.t);
        benchmark::RegisterBenchmark(name.c_str(), offer, &row)->Iterations(1)->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    double worst = 0;
    int equal = 0;
    int offered = 0;
    for (const Row &row : rows()) {
        if (row.offered == 0)
            continue;
        ++offered;
        worst = std::max(worst, static_cast<double>(row.offered) / row.record.bets);
        equal += static_cast<int>(row.offered) == row.record.bets;
    }
    std::printf("wheels offered %d of %zu rows; worst ratio %.3f; equal to the record %d\n", offered,
                rows().size(), worst, equal);
    return 0;
}

#include "base/lottery.h"
#include "engine/cascade.h"
#include "engine/conversion.h"
#include "engine/correction.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CorrectPair(benchmark::State &state)
{
    const PairMethod &method = pairMethods()[static_cast<size_t>(state.range(0))];
    int v = 0;
    for (auto _ : state) {
        DigitPair result = CorrectPair(method, DigitPair::fromDigits(v / 10, v % 10), 33);
        benchmark::DoNotOptimize(result);
        v = v == 99 ? 0 : v + 1;
    }
}
BENCHMARK(BM_CorrectPair)->Arg(0)->Arg(2)->Arg(12);

void BM_CorrectPairByName(benchmark::State &state)
{
    int v = 0;
    for (auto _ : state) {
        DigitPair result = CorrectPair("合数修正", DigitPair::fromDigits(v / 10, v % 10), 33);
        benchmark::DoNotOptimize(result);
        v = v == 99 ? 0 : v + 1;
    }
}
BENCHMARK(BM_CorrectPairByName);

void BM_CascadePairs(benchmark::State &state)
{
    const std::vector<int> controls{2, 3, 1, 4, 2, 6};
    for (auto _ : state) {
        auto pairs = CascadePairs({Lotto, 33, 6}, DigitPair::fromText("08"), controls);
        benchmark::DoNotOptimize(pairs);
    }
}
BENCHMARK(BM_CascadePairs);

ConversionRequest lottoRequest(std::string method)
{
    ConversionRequest r;
    r.lottery = {Lotto, 33, 6};
    r.method = std::move(method);
    r.arrangement = "先天八卦";
    r.direction = "东";
    r.year = "2024";
    r.month = "05";
    r.day = "17";
    r.hour = "08";
    r.initial = "8";
    return r;
}

void BM_ConvertPairMethod(benchmark::State &state)
{
    ConversionRequest r = lottoRequest("太极图阳邻修正");
    r.boxes = {"3", "7", "12", "19", "25", "31"};
    DrawGenerator draws;
    for (auto _ : state) {
        ConversionResult result = convert(r, draws);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertPairMethod);

void BM_ConvertGeneralized(benchmark::State &state)
{
    ConversionRequest r = lottoRequest("广义阴阳五行修正");
    r.boxes = {"2", "3", "1", "4", "2", "6"};
    DrawGenerator draws;
    for (auto _ : state) {
        ConversionResult result = convert(r, draws);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertGeneralized);

} // namespace

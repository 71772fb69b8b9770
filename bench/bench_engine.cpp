#include "base/lottery.h"
#include "engine/cascade.h"
#include "engine/conversion.h"
#include "engine/correction.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

// Every allocation of the process is counted, so that a benchmark can tell
// how many its loop made.
namespace {
std::atomic<long> allocations{0};
}

[[gnu::noinline]] void *operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void *memory) noexcept
{
    std::free(memory);
}

[[gnu::noinline]] void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

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

// The conversion of the worked example, 3 7 12 19 25 31 on 2024-05-17 at
// 08, 先天八卦, 东, 太极图阳邻修正, for 双色球 (33, 6), written from the
// algorithm with plain integers and nothing else: no texts, no checks, no
// memory. It is the yardstick of convert(), measured in the same run.
namespace plain {

int fold(int digit, int weight, int offset, int n)
{
    for (int i = 0; i < 2; ++i) {
        if (digit * weight + offset > n)
            digit = std::abs(digit - 5);
    }
    return digit;
}

// A shift method (阳邻: each digit one up) or a modulus method (怪数7,
// 五行: digit mod 7 or mod 5) on one value.
int correct(int value, int n, int shift, int modulus)
{
    const auto map = [&](int d) { return modulus ? d % modulus : (d + shift + 10) % 10; };
    int t = value / 10;
    int u = value % 10;
    if (modulus) {
        if (t * 10 > n)
            t = map(t);
    } else if (t > 0 && map(t) <= n / 10) {
        t = map(t);
    }
    t = fold(t, 10, 0, n);
    if (modulus) {
        if (t * 10 + u > n)
            u = map(u);
    } else if (t * 10 + map(u) <= n) {
        u = map(u);
    }
    return t * 10 + fold(u, 1, t * 10, n);
}

bool repeats(const int (&bet)[6], int i)
{
    for (int j = 0; j < 6; ++j) {
        if (j != i && bet[j] == bet[i])
            return true;
    }
    return false;
}

void convert(const int (&boxes)[6], const int (&dateDigits)[10], int direction, int n, std::uint32_t &seed,
             int (&bet)[6])
{
    int sum = 0;
    for (int d : dateDigits)
        sum += d;
    for (int i = 0; i < 2; ++i) {
        if (sum > 10)
            sum = sum / 10 + sum % 10;
    }
    int multiplier = sum == 0 ? 0 : direction * direction % sum;
    if (multiplier == 0)
        multiplier = 3;
    for (int i = 0; i < 6; ++i) {
        const int scaled = boxes[i] / 10 * multiplier % 10 * 10 + boxes[i] % 10 * multiplier % 10;
        bet[i] = correct(scaled, n, 1, 0);
        if (bet[i] == 0)
            bet[i] = boxes[i];
    }
    for (int i = 0; i < 6; ++i) {
        if (!repeats(bet, i))
            continue;
        bet[i] = correct(bet[i], n, 0, 7);
        if (repeats(bet, i))
            bet[i] = correct(bet[i], n, 0, 5);
        while (repeats(bet, i)) {
            seed = seed * 134775813u + 1u;
            bet[i]
                = static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >> 32)
                  + 1;
        }
    }
    std::sort(std::begin(bet), std::end(bet));
}

} // namespace plain

void BM_ConvertPlainIntegers(benchmark::State &state)
{
    static const int boxes[6] = {3, 7, 12, 19, 25, 31};
    static const int dateDigits[10] = {2, 0, 2, 4, 0, 5, 1, 7, 0, 8};
    std::uint32_t seed = 0;
    int bet[6] = {};
    plain::convert(boxes, dateDigits, 6, 33, seed, bet);
    if (std::vector<int>(bet, bet + 6) != std::vector<int>{2, 3, 4, 16, 31, 32})
        state.SkipWithError("the plain conversion gives another bet");
    for (auto _ : state) {
        benchmark::DoNotOptimize(boxes);
        plain::convert(boxes, dateDigits, 6, 33, seed, bet);
        benchmark::DoNotOptimize(bet);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertPlainIntegers);

// convert() on the same entries (with argument 7 also a blue ball of
// 双色球, with argument 10 a bet of ten numbers of 快乐8); reports the
// allocations of one conversion.
void BM_ConvertPairMethod(benchmark::State &state)
{
    ConversionRequest r = lottoRequest("太极图阳邻修正");
    r.boxes = {"3", "7", "12", "19", "25", "31"};
    if (state.range(0) == 10) {
        r.lottery = {Lotto, 80, 10};
        r.boxes = {"3", "7", "12", "19", "25", "31", "44", "58", "66", "80"};
    } else if (state.range(0) == 7) {
        r.lottery = {Lotto, 33, 6, "蓝球", 16, 1};
        r.boxes.push_back("9");
    }
    DrawGenerator draws;
    if (state.range(0) == 6
        && !(convert(r, draws).value() == std::vector<std::string>{"02", "03", "04", "16", "31", "32"}))
        state.SkipWithError("convert() gives another bet");
    const long before = allocations.load();
    for (auto _ : state) {
        ConversionResult result = convert(r, draws);
        benchmark::DoNotOptimize(result);
    }
    state.counters["allocations_per_conversion"]
        = static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertPairMethod)->Arg(6)->Arg(7)->Arg(10);

void BM_ConvertGeneralized(benchmark::State &state)
{
    ConversionRequest r = lottoRequest("广义阴阳五行修正");
    r.boxes = {"2", "3", "1", "4", "2", "6"};
    DrawGenerator draws;
    const long before = allocations.load();
    for (auto _ : state) {
        ConversionResult result = convert(r, draws);
        benchmark::DoNotOptimize(result);
    }
    state.counters["allocations_per_conversion"]
        = static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertGeneralized);

} // namespace

// korvel-convert on a file of 100,000 requests: lines converted a second,
// the whole process timed (start-up, reading, converting, writing).
#include "base/lottery.h"
#include "engine/methods.h"
#include "engine/option_lists.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int kLines = 100000;

// Requests as players make them: the catalogue's lotteries (those with a
// back zone with it), every method, arrangement and direction, dates of the
// year list, numbers in range.
std::string requestFile()
{
    const Lottery lotteries[] = {{Lotto, 33, 6, kDefaultBackName, 16, 1},
                                 {Lotto, 35, 5, kDefaultBackName, 12, 2},
                                 {Lotto, 30, 7},
                                 {Lotto, 80, 10},
                                 {Lotto, 22, 5},
                                 {Digit, 10, 3},
                                 {Digit, 10, 5},
                                 {Digit, 10, 6, kDefaultBackName, 15, 1}};
    std::uint32_t seed = 20261209;
    const auto below = [&](std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * n) >> 32);
    };
    const auto twoDigits = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    std::string text;
    for (int line = 0; line < kLines; ++line) {
        const Lottery &l = lotteries[below(std::size(lotteries))];
        const bool generalized = below(20) == 19;
        text += std::to_string(l.kind) + '\t' + std::to_string(l.total) + '\t' + std::to_string(l.count);
        text += '\t'
                + std::string(generalized ? kGeneralizedMethod
                                          : kMethodNames[static_cast<size_t>(below(kPairMethodCount))]);
        text += '\t' + std::string(kArrangements[static_cast<size_t>(below(2))]);
        text += '\t' + std::string(kDirections[static_cast<size_t>(below(8))]);
        text += '\t' + std::to_string(2001 + below(99)) + '\t' + twoDigits(1 + below(12)) + '\t'
                + twoDigits(1 + below(31)) + '\t' + twoDigits(below(24));
        text += '\t'
                + std::to_string(l.kind == 0 ? 1 + below(static_cast<std::uint32_t>(l.total)) : below(10));
        for (int k = 0; k < l.count; ++k) {
            const int value
                = generalized ? 1 + below(static_cast<std::uint32_t>(l.count))
                              : (l.kind == 0 ? 1 + below(static_cast<std::uint32_t>(l.total)) : below(10));
            text += '\t' + std::to_string(value);
        }
        if (l.hasBack()) {
            const LotteryZone back = l.back();
            text += "\t+\t" + std::to_string(back.total) + '\t' + std::to_string(back.count);
            for (int k = 0; k < back.count; ++k)
                text += '\t' + std::to_string(back.lowest() + below(static_cast<std::uint32_t>(back.total)));
        }
        text += '\n';
    }
    return text;
}

double runTool(const std::string &input, const char *output = "/dev/null",
               const char *program = KORVEL_CONVERT)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    char *const args[] = {const_cast<char *>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ConvertToolLines(benchmark::State &state)
{
    const std::string input = (std::filesystem::temp_directory_path() / "korvel-bench-requests.txt").string();
    std::ofstream(input, std::ios::binary) << requestFile();
    // Every request is one the tool converts: a refusal would be cheaper.
    const std::string output = input + ".out";
    runTool(input, output.c_str());
    std::ifstream answers(output);
    int lines = 0;
    for (std::string line; std::getline(answers, line); ++lines) {
        if (line.starts_with("!"))
            state.SkipWithError(("the tool refused a request: " + line).c_str());
    }
    if (lines != kLines)
        state.SkipWithError("the tool did not answer every request");
    // The floor answers the same requests with the same lines.
    const std::string floorOutput = input + ".floor";
    runTool(input, floorOutput.c_str(), KORVEL_CONVERT_FLOOR);
    runTool(input, output.c_str());
    std::ifstream tool(output), floor(floorOutput);
    if (!std::equal(std::istreambuf_iterator<char>(tool), {}, std::istreambuf_iterator<char>(floor), {}))
        state.SkipWithError("the floor program answered differently");
    std::filesystem::remove(output);
    std::filesystem::remove(floorOutput);
    // Tool and floor by turns, so that both meet the same load of the
    // machine; the medians and their ratio are the figures.
    std::vector<double> tools, floors;
    for (auto _ : state) {
        const double seconds = runTool(input);
        floors.push_back(runTool(input, "/dev/null", KORVEL_CONVERT_FLOOR));
        tools.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["tool_median_ms"] = median(tools) * 1e3;
    state.counters["floor_median_ms"] = median(floors) * 1e3;
    state.counters["tool_to_floor"] = median(tools) / median(floors);
    state.SetItemsProcessed(state.iterations() * kLines);
    std::filesystem::remove(input);
}
BENCHMARK(BM_ConvertToolLines)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

} // namespace

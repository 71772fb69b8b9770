// Start-up: the time from process start until a window is first painted,
// for the main window and the splash and for bare Qt Widgets programs
// started the same way, and the cost of the start-up sequence alone inside
// a running program.
#include "app/u_main.h"
#include "support/fake_desktop.h"
#include "support/loopback_server.h"
#include "ui/clock.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

const char *const kAppDir = KORVEL_DIST_DIR "/";

std::string bannerPicture()
{
    QFile file(QStringLiteral(KORVEL_SOURCE_DIR "/tests/app/data/banner.gif"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// One start of a program: the seconds until its window was painted (as it
// reports) and until it had ended.
struct Start
{
    double painted = -1;
    double ended = -1;
};

Start run(const char *program, std::vector<const char *> args)
{
    args.insert(args.begin(), program);
    args.push_back(nullptr);
    int pipe[2];
    if (::pipe(pipe) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    timespec begin{};
    clock_gettime(CLOCK_MONOTONIC, &begin);
    pid_t pid = 0;
    const int spawned
        = posix_spawn(&pid, program, &actions, nullptr, const_cast<char **>(args.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    Start start;
    if (spawned == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        timespec end{};
        clock_gettime(CLOCK_MONOTONIC, &end);
        const auto seconds = [&](long long ns) {
            return static_cast<double>(ns - (begin.tv_sec * 1000000000LL + begin.tv_nsec)) / 1e9;
        };
        start.ended = seconds(end.tv_sec * 1000000000LL + end.tv_nsec);
        char text[64] = {};
        const ssize_t got = ::read(pipe[0], text, sizeof text - 1);
        long long painted = 0;
        if (got > 0 && std::sscanf(text, "painted %lld", &painted) == 1)
            start.painted = seconds(painted);
    }
    ::close(pipe[0]);
    return start;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The program's start-up against its yardstick, the two started in turn so
// that a drift of the machine's speed touches both alike. The iteration
// time is the program's, from its start until it has ended after its first
// paint; the counters are the yardstick's median and the median of the
// ratios pair by pair, and the same counted up to the first paint only.
void startAgainst(benchmark::State &state, std::vector<const char *> probe, std::vector<const char *> bare,
                  const char *programFile = KORVEL_PROBE)
{
    run(programFile, probe); // the first start of each fills the file cache
    run(KORVEL_BARE, bare);
    std::vector<double> bareEnded, ratiosEnded, painted, barePainted, ratiosPainted;
    for (auto _ : state) {
        const Start program = run(programFile, probe);
        const Start yardstick = run(KORVEL_BARE, bare);
        state.SetIterationTime(program.ended);
        bareEnded.push_back(yardstick.ended);
        ratiosEnded.push_back(program.ended / yardstick.ended);
        painted.push_back(program.painted);
        barePainted.push_back(yardstick.painted);
        ratiosPainted.push_back(program.painted / yardstick.painted);
    }
    state.counters["bare_ms"] = median(bareEnded) * 1e3;
    state.counters["ratio"] = median(ratiosEnded);
    state.counters["to_paint_ms"] = median(painted) * 1e3;
    state.counters["bare_to_paint_ms"] = median(barePainted) * 1e3;
    state.counters["ratio_to_paint"] = median(ratiosPainted);
}

// Process start until the main window is first painted (the splash's five
// seconds left out), against a bare Qt Widgets window of the same size.
void BM_StartMainWindow(benchmark::State &state)
{
    startAgainst(state, {"main", kAppDir}, {"window"});
}
BENCHMARK(BM_StartMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Process start until the splash is first painted, against a bare window of
// the splash's size showing a picture.
void BM_StartSplash(benchmark::State &state)
{
    startAgainst(state, {"splash", kAppDir}, {"picture"});
}
BENCHMARK(BM_StartSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// What any text costs a bare window: one Chinese label against none. Its
// ratios are a floor for every window that shows Chinese text: the font
// set-up and the first Chinese glyphs alone.
void BM_StartBareLabel(benchmark::State &state)
{
    startAgainst(state, {"label"}, {"window"}, KORVEL_BARE);
}
BENCHMARK(BM_StartBareLabel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The main window with its banner download begun first, as the program
// begins it, against a server that serves the picture, a port that refuses
// and a server that accepts and never answers: the window does not wait.
void BM_StartMainWindowBanner(benchmark::State &state)
{
    LoopbackServer server([&](const std::string &, int) {
        return state.range(0) == 0 ? LoopbackServer::ok(bannerPicture()) : LoopbackServer::Reply{{}, true, 0};
    });
    const std::string address
        = state.range(0) == 1 ? "http://127.0.0.1:" + std::to_string(refusingPort()) : server.address();
    startAgainst(state, {"main", kAppDir, address.c_str()}, {"window"});
}
BENCHMARK(BM_StartMainWindowBanner)
    ->ArgName("served0_refused1_silent2")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_FormCreate(benchmark::State &state)
{
    FakeDesktop desktop;
    SystemClock clock;
    Tfrmmain window(MainServices{desktop, clock, ProgramFolder(kAppDir), BannerSource{}});
    for (auto _ : state)
        window.FormCreate();
    if (!desktop.messages.empty())
        state.SkipWithError("the start-up showed a message");
}
BENCHMARK(BM_FormCreate)->Unit(benchmark::kMillisecond);

} // namespace

// Start-up: the time from process start until the window is first painted,
// for the main window and for a bare Qt window started the same way, and
// the cost of the start-up sequence alone inside a running program.
#include "support/fake_desktop.h"
#include "support/loopback_server.h"
#include "ui/clock.h"
#include "app/u_main.h"


#include <benchmark/benchmark.h>

#include <chrono>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

const char *const kAppDir = KORVEL_DIST_DIR "/";

double runProbe(std::vector<const char *> args)
{
    args.insert(args.begin(), KORVEL_PROBE);
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, KORVEL_PROBE, nullptr, nullptr, const_cast<char **>(args.data()), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_StartBareWindow(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(runProbe({"bare"}));
}
BENCHMARK(BM_StartBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartLabelWindow(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(runProbe({"label"}));
}
BENCHMARK(BM_StartLabelWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartMainWindow(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(runProbe({"main", kAppDir}));
}
BENCHMARK(BM_StartMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The banner step against a port that refuses and against a server that
// accepts and never answers, with the program's own time bounds.
void BM_StartMainWindowBannerRefused(benchmark::State &state)
{
    const std::string address = "http://127.0.0.1:" + std::to_string(refusingPort());
    for (auto _ : state)
        state.SetIterationTime(runProbe({"main", kAppDir, address.c_str()}));
}
BENCHMARK(BM_StartMainWindowBannerRefused)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StartMainWindowBannerSilent(benchmark::State &state)
{
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::Reply{{}, true, 0}; });
    const std::string address = server.address();
    for (auto _ : state)
        state.SetIterationTime(runProbe({"main", kAppDir, address.c_str()}));
}
BENCHMARK(BM_StartMainWindowBannerSilent)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

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

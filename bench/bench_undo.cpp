// The undo history's cost with a grid of a million bets, measured through
// the real main window: memory after loading the same file 14 times in a
// row (every load is an undo step), and the time of "清除表格".
#include "event_gaps.h"
#include "million_bets.h"
#include "resident_memory.h"
#include "results/result_grid_model.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <algorithm>
#include <vector>

#include <malloc.h>

namespace {

// Bytes the program holds on the heap now, freed blocks not counted.
double heapMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1e6;
}

// The window on a copy of the program folder, showing 七乐彩.
struct Session
{
    FakeDesktop desktop;
    MillionBetWindow bets{desktop};
    std::unique_ptr<Tfrmmain> &window = bets.window;
    void load() { bets.load(); }
};

void BM_FourteenLoadsOfAMillionRows(benchmark::State &state)
{
    double heapBefore = 0, heapOne = 0, heapFourteen = 0, rssOne = 0, rssFourteen = 0, grid = 0;
    for (auto _ : state) {
        Session session;
        malloc_trim(0);
        heapBefore = heapMegabytes();
        session.load();
        heapOne = heapMegabytes();
        rssOne = residentMegabytes();
        grid = static_cast<double>(session.window->resultGrid().grid().memoryUsed()) / 1e6;
        for (int i = 1; i < 14; ++i)
            session.load();
        heapFourteen = heapMegabytes();
        rssFourteen = residentMegabytes();
    }
    state.counters["grid_MB"] = grid;
    state.counters["heap_1_load_MB"] = heapOne - heapBefore;
    state.counters["heap_14_loads_MB"] = heapFourteen - heapBefore;
    state.counters["ratio_14_to_1"] = (heapFourteen - heapBefore) / (heapOne - heapBefore);
    state.counters["rss_1_load_MB"] = rssOne;
    state.counters["rss_14_loads_MB"] = rssFourteen;
}
BENCHMARK(BM_FourteenLoadsOfAMillionRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// Ctrl+Z and Ctrl+Y between two grids of a million rows, 20 of each: the
// longest the window's thread was held by one (the handler and the repaint
// that follows), against the same window's longest gap while idle.
void BM_UndoStallsBetweenMillionRowGrids(benchmark::State &state)
{
    Session session;
    session.window->show();
    session.load();
    session.bets.load(session.bets.otherFile());
    QCoreApplication::processEvents();
    EventGaps gaps;
    std::vector<double> undos, idle;
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            gaps.start();
            session.window->undoGrid();
            QCoreApplication::processEvents();
            undos.push_back(gaps.stop());
            session.window->redoGrid();
            QCoreApplication::processEvents();
            gaps.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            idle.push_back(gaps.stop());
        }
    }
    if (session.window->resultGrid().rowCount() != kMillion)
        state.SkipWithError("undo and redo did not keep a million rows");
    std::sort(undos.begin(), undos.end());
    std::sort(idle.begin(), idle.end());
    state.counters["worst_undo_stall_ms"] = undos.back();
    state.counters["median_undo_stall_ms"] = undos[undos.size() / 2];
    state.counters["floor_worst_idle_gap_ms"] = idle.back();
}
BENCHMARK(BM_UndoStallsBetweenMillionRowGrids)->Unit(benchmark::kMillisecond)->Iterations(1);

// "清除表格" right after a million rows were loaded, as a player would
// clear a loaded file; the load itself is not timed.
void BM_ClearAMillionRows(benchmark::State &state)
{
    Session session;
    for (auto _ : state) {
        state.PauseTiming();
        session.load();
        state.ResumeTiming();
        session.window->btnclearClick();
    }
}
BENCHMARK(BM_ClearAMillionRows)->Unit(benchmark::kMillisecond)->Iterations(4)->Repetitions(3);

} // namespace

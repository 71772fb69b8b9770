// A million bets of seven numbers in the real main window: loading them
// from a number file (with the progress dialog, the window painting), what
// the window's model holds for them, and the cost of the first conversion
// after the load against any other.
#include "event_gaps.h"
#include "million_bets.h"
#include "resident_memory.h"
#include "results/number_file.h"
#include "results/result_grid_model.h"
#include "ui/qt_desktop.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

constexpr int kRows = kMillion;

// The fake desktop answers the file dialog; the progress is the program's
// own dialog, so the load pays for showing it and for painting meanwhile.
class LoadDesktop : public FakeDesktop
{
public:
    std::unique_ptr<Progress> startProgress(QWidget *owner, const QString &title, int maximum) override
    {
        ++progressShown;
        return m_qt.startProgress(owner, title, maximum);
    }
    int progressShown = 0;

private:
    QtDesktop m_qt;
};

// The window shown, with the program's own progress dialog.
struct Session
{
    Session()
    {
        window->show();
        QCoreApplication::processEvents();
    }

    void load()
    {
        bets.load();
        QCoreApplication::processEvents();
    }

    // One press of "转换号码" and the painting that shows its row.
    void convert(int i)
    {
        const auto &boxes = window->originalNumberBoxes();
        for (size_t box = 0; box < boxes.size(); ++box)
            boxes[box]->setText(QString::number((i + 4 * static_cast<int>(box)) % 30 + 1));
        window->btnaddClick();
        QCoreApplication::processEvents();
    }

    LoadDesktop desktop;
    MillionBetWindow bets{desktop};
    std::unique_ptr<Tfrmmain> &window = bets.window;
};

void BM_LoadMillionRowsInWindow(benchmark::State &state)
{
    Session session;
    for (auto _ : state) {
        session.window->btnclearClick();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        session.load();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (session.window->resultGrid().rowCount() != kRows)
            state.SkipWithError("the load did not give a million rows");
    }
    state.counters["progress_dialogs"] = session.desktop.progressShown;
}
BENCHMARK(BM_LoadMillionRowsInWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The longest the window went unanswering during each of 20 loads of a
// million rows (two files by turns, so that each load reads, parses and
// indexes in full), with the progress dialog; beside it, the floor: the
// longest gap of the same window standing idle for as long.
void BM_LoadStallsOfTwentyLoads(benchmark::State &state)
{
    Session session;
    const QString files[] = {session.bets.file, session.bets.otherFile()};
    EventGaps gaps;
    std::vector<double> stalls, idle;
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            gaps.start();
            QElapsedTimer timer;
            timer.start();
            session.bets.load(files[i % 2]);
            QCoreApplication::processEvents();
            stalls.push_back(gaps.stop());
            // The window idle as long, for the floor.
            gaps.start();
            QElapsedTimer wait;
            wait.start();
            while (wait.elapsed() < std::min<qint64>(timer.elapsed(), 300))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            idle.push_back(gaps.stop());
        }
    }
    std::sort(stalls.begin(), stalls.end());
    std::sort(idle.begin(), idle.end());
    state.counters["worst_stall_ms"] = stalls.back();
    state.counters["median_stall_ms"] = stalls[stalls.size() / 2];
    state.counters["floor_worst_idle_gap_ms"] = idle.back();
    state.counters["floor_median_idle_gap_ms"] = idle[idle.size() / 2];
}
BENCHMARK(BM_LoadStallsOfTwentyLoads)->Unit(benchmark::kMillisecond)->Iterations(1);

// What the model keeps for a million loaded rows: the packed grid, the
// repeat index and the tooltips' provenance, measured as resident memory.
void BM_ModelMemoryPerRow(benchmark::State &state)
{
    const std::string bytes = millionBetFile();
    double perRow = 0;
    double gridPerRow = 0;
    for (auto _ : state) {
        ResultGridModel model;
        const double before = residentMegabytes();
        {
            NumberFileContent content = parseNumberFile(bytes, Lottery{Lotto, 30, 7}).value();
            gridPerRow = static_cast<double>(content.grid.memoryUsed()) / kRows;
            ResultGridModel::Snapshot loaded;
            loaded.grid = std::move(content.grid);
            model.exchange(std::move(loaded), 7);
        }
        perRow = (residentMegabytes() - before) * 1e6 / kRows;
        benchmark::DoNotOptimize(model.repeatOf(kRows));
    }
    state.counters["model_bytes_per_row"] = perRow;
    state.counters["grid_bytes_per_row"] = gridPerRow;
}
BENCHMARK(BM_ModelMemoryPerRow)->Unit(benchmark::kMillisecond)->Iterations(1);

// A conversion into a window holding one row, and the first conversion
// right after a million rows were loaded against the ones after it; each
// with the painting that shows its row.
void BM_ConversionIntoSmallGrid(benchmark::State &state)
{
    Session session;
    session.convert(0);
    int i = 1;
    for (auto _ : state)
        session.convert(i++);
}
BENCHMARK(BM_ConversionIntoSmallGrid)->Unit(benchmark::kMicrosecond)->Iterations(200);

// The first conversion after each load is timed alone; then the ones after
// it, for comparison, as a counter.
void BM_ConversionAfterMillionRowLoad(benchmark::State &state)
{
    Session session;
    double laterSeconds = 0;
    int later = 0;
    for (auto _ : state) {
        session.window->btnclearClick();
        session.load();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        session.convert(0);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        for (int i = 1; i <= 20; ++i, ++later) {
            timer.restart();
            session.convert(i);
            laterSeconds += static_cast<double>(timer.nsecsElapsed()) / 1e9;
        }
    }
    state.counters["later_conversion_us"] = laterSeconds / later * 1e6;
}
BENCHMARK(BM_ConversionAfterMillionRowLoad)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(5);

} // namespace

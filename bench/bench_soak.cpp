// A long session of the real main window on a copy of the program folder:
// 10,000 conversions, 100 saves and loads, 100 lottery selections and 20
// re-runs of the start-up, in rounds. Reports resident memory after the
// first round and after the last, which should stay flat.
#include "support/fake_desktop.h"
#include "ui/clock.h"
#include "ui/file_edge.h"
#include "app/u_main.h"
#include "results/result_grid_model.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

double residentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / 1e6;
}

void round(Tfrmmain &w, FakeDesktop &desktop, const QString &file, int index)
{
    for (int i = 0; i < 100; ++i) {
        for (size_t box = 0; box < w.originalNumberBoxes().size(); ++box)
            w.originalNumberBoxes()[box]->setText(QString::number((i + 3 * static_cast<int>(box)) % 9 + 1));
        w.btnaddClick();
    }
    desktop.fileAnswers.push_back(file);
    w.btnsaveClick();
    desktop.fileAnswers.push_back(file);
    w.btnloadClick();
    w.comcainame->setCurrentIndex(index % w.comcainame->count());
    w.comcainameClick();
    if (index % 5 == 0)
        w.FormCreate();
    desktop.messages.clear();
}

void BM_LongSession(benchmark::State &state)
{
    QTemporaryDir dir;
    std::filesystem::copy(KORVEL_DIST_DIR, dir.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    FakeDesktop desktop;
    SystemClock clock;
    const QString appDir = dir.path() + QLatin1Char('/');
    const QString file = appDir + QStringLiteral("附属/soak.txt");
    double first = 0, last = 0;
    for (auto _ : state) {
        Tfrmmain w(MainServices{desktop, clock, programFolder(appDir), BannerSource{}});
        round(w, desktop, file, 0);
        first = residentMegabytes();
        for (int i = 1; i < 100; ++i)
            round(w, desktop, file, i);
        last = residentMegabytes();
    }
    state.counters["rss_after_round_1_MB"] = first;
    state.counters["rss_after_round_100_MB"] = last;
}
BENCHMARK(BM_LongSession)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

// A long session of the real main window on a copy of the program folder:
// 1,000 rounds of 100 conversions, a save and a load, a lottery selection
// and, every fifth round, a re-run of the start-up. Reports resident memory
// along the way, which should stay flat.
#include "app/u_main.h"
#include "resident_memory.h"
#include "results/result_grid_model.h"
#include "support/fake_desktop.h"
#include "ui/clock.h"
#include "ui/file_edge.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

constexpr int kRounds = 1000;

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
    // What a player's session does between clicks: the fake forgets what it
    // was asked, and the events the handlers left (deferred deletions among
    // them) are delivered.
    desktop.clearRecords();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    std::map<int, double> resident;
    for (auto _ : state) {
        Tfrmmain w(MainServices{desktop, clock, programFolder(appDir), BannerSource{}});
        for (int i = 0; i < kRounds; ++i) {
            round(w, desktop, file, i);
            if (i + 1 == 1 || i + 1 == 10 || i + 1 == 100 || i + 1 == 500 || i + 1 == kRounds)
                resident[i + 1] = residentMegabytes();
        }
    }
    for (const auto &[rounds, megabytes] : resident)
        state.counters["rss_after_round_" + std::to_string(rounds) + "_MB"] = megabytes;
    state.counters["growth_100_to_1000_kB_per_round"]
        = (resident[kRounds] - resident[100]) * 1e3 / (kRounds - 100);
}
BENCHMARK(BM_LongSession)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

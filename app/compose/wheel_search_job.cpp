#include "app/compose/wheel_search_job.h"

#include "base/app_error.h"
#include "base/file_io.h"
#include "ui/background_job.h"
#include "ui/desktop.h"
#include "wheels/covering_search.h"

#include <algorithm>
#include <atomic>

namespace {

constexpr int kProgressSteps = 100;

} // namespace

std::optional<WheelRecord> knownWheelRecord(const ProgramFolder &folder, const WheelTerms &terms)
{
    if (terms.m != terms.t)
        return std::nullopt;
    return findWheelRecord(readFile(folder.wheelFolder() + "records.csv"), terms);
}

std::vector<BetMask> searchWheelShown(Desktop &desktop, QWidget *window, const ProgramFolder &folder,
                                      const WheelTerms &terms, double seconds)
{
    std::atomic<bool> cancel = false;
    WheelSearchOptions options;
    options.seconds = seconds;
    options.cancel = &cancel;
    // No wheel can beat the proven bound: the search ends when it gets there.
    if (const std::optional<WheelRecord> known = knownWheelRecord(folder, terms))
        options.goal = known->lowerBound;
    const std::unique_ptr<Desktop::Progress> progress = desktop.startProgress(
        window, QStringLiteral("搜索旋转矩阵%1").arg(QString::fromStdString(terms.guarantee())),
        kProgressSteps);
    std::vector<BetMask> found;
    runInBackground(*progress, [&](JobProgress &job) {
        job.report(0, QStringLiteral("正在搜索…"));
        options.progress = [&](const WheelProgress &now) {
            const int step = static_cast<int>(now.seconds * kProgressSteps / options.seconds);
            if (!job.report(std::min(step, kProgressSteps - 1),
                            QStringLiteral("已找到%1注的矩阵").arg(now.bets)))
                cancel = true;
        };
        found = searchWheel(terms, options);
    });
    progress->setValue(kProgressSteps, QString());
    if (found.empty() || !verifyWheel(terms, found))
        return {};
    try {
        WheelShelf({folder.wheelFolder()}).keep(terms, found);
    } catch (const AppError &) {
        // a read-only program folder: the wheel serves this run only
    }
    return found;
}

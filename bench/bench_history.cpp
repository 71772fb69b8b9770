// The draw history at the sizes players keep: ten thousand draws of 双色球
// imported, charted, and a thousand bets checked against all of them; the
// chart and the history window opened on them.
#include "app/history/history_window.h"
#include "catalogue/lottery_info.h"
#include "history/history_store.h"
#include "history/prize_check.h"
#include "history/trend_chart.h"
#include "support/fake_desktop.h"
#include "ui/file_edge.h"
#include "views/trend_model.h"
#include "views/trend_view.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <random>

#include <benchmark/benchmark.h>

namespace {

const DrawShape kSsq = drawShapeOf("双色球", {0, 33, 6, "蓝球", 16, 1});

std::vector<int> distinct(std::mt19937 &random, int count, int high)
{
    std::vector<int> numbers;
    std::uniform_int_distribution<int> pick(1, high);
    while (static_cast<int>(numbers.size()) < count) {
        const int value = pick(random);
        if (std::find(numbers.begin(), numbers.end(), value) == numbers.end())
            numbers.push_back(value);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::vector<Draw> tenThousandDraws()
{
    std::mt19937 random(2026);
    std::vector<Draw> draws;
    for (int i = 0; i < 10000; ++i) {
        // 153 draws a year, numbered as 双色球 numbers them, from 2003 on; the
        // last years run under the 2026 rules.
        const std::string issue = std::to_string(2003 + i / 153) + std::to_string(1001 + i % 153).substr(1);
        Draw draw;
        draw.lottery = "双色球";
        draw.issue = issue;
        draw.front = distinct(random, 6, 33);
        draw.back = distinct(random, 1, 16);
        draws.push_back(std::move(draw));
    }
    return draws;
}

std::vector<LotteryNumbers> thousandBets()
{
    std::mt19937 random(7);
    std::vector<LotteryNumbers> bets;
    for (int i = 0; i < 1000; ++i)
        bets.push_back({distinct(random, 6, 33), distinct(random, 1, 16)});
    return bets;
}

// A file of ten thousand draws in the form players exchange, imported into
// an empty catalogue: reading, checking and storing in one transaction.
void BM_ImportTenThousandDraws(benchmark::State &state)
{
    const std::string bytes = drawFileBytes(tenThousandDraws(), kSsq);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("彩票数据.mdb"));
    size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot make the catalogue");
        file.close();
        state.ResumeTiming();
        added = HistoryStore(path).importDraws("双色球", kSsq, bytes).added.size();
    }
    state.counters["draws"] = static_cast<double>(added);
}
BENCHMARK(BM_ImportTenThousandDraws)->Unit(benchmark::kMillisecond);

// 对照历史: a thousand bets, each against every one of ten thousand draws
// under the rules of its 期号.
void BM_CheckThousandBetsAgainstTenThousandDraws(benchmark::State &state)
{
    const std::vector<Draw> draws = tenThousandDraws();
    const std::vector<LotteryNumbers> bets = thousandBets();
    const PrizeTable table = PrizeTable::fromRows("双色球", shippedPrizeRules());
    int wins = 0;
    for (auto _ : state) {
        const HistoryChecker checker(draws, kSsq, table);
        wins = 0;
        for (const LotteryNumbers &bet : bets) {
            for (const LevelCount &count : checker.check(bet).counts)
                wins += count.count;
        }
    }
    state.counters["wins"] = wins;
}
BENCHMARK(BM_CheckThousandBetsAgainstTenThousandDraws)->Unit(benchmark::kMillisecond);

// The trend chart's figures for all ten thousand draws: every 遗漏 and the
// rows under the chart.
void BM_TrendChartOfTenThousandDraws(benchmark::State &state)
{
    const std::vector<Draw> draws = tenThousandDraws();
    for (auto _ : state) {
        const TrendChart chart(draws, kSsq);
        benchmark::DoNotOptimize(chart.stats(0));
    }
}
BENCHMARK(BM_TrendChartOfTenThousandDraws)->Unit(benchmark::kMillisecond);

// The chart of all ten thousand draws as the window shows it: the figures,
// the model, the view, and the first paint of the rows in sight (the newest,
// with the rows under them).
void BM_TrendViewOpensOnTenThousandDraws(benchmark::State &state)
{
    const std::vector<Draw> draws = tenThousandDraws();
    for (auto _ : state) {
        TrendModel model;
        model.setChart(TrendChart(draws, kSsq), false);
        TrendView view(&model);
        view.resize(1000, 600);
        view.scrollToBottom();
        const QPixmap painted = view.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_TrendViewOpensOnTenThousandDraws)->Unit(benchmark::kMillisecond);

// One step of scrolling through that chart: a page up or down and the paint
// of what came into sight. Smooth scrolling needs well under 16 ms.
void BM_TrendViewScrollsAPage(benchmark::State &state)
{
    const std::vector<Draw> draws = tenThousandDraws();
    TrendModel model;
    model.setChart(TrendChart(draws, kSsq), false);
    TrendView view(&model);
    view.resize(1000, 600);
    view.grab();
    QScrollBar *bar = view.verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue((++step * bar->pageStep()) % std::max(1, bar->maximum()));
        const QPixmap painted = view.viewport()->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_TrendViewScrollsAPage)->Unit(benchmark::kMillisecond);

// The history window as the player opens it on ten thousand stored draws:
// reading them from the catalogue, the list, the chart of the last 30, the
// statistics, and the first paint.
void BM_HistoryWindowOpensOnTenThousandDraws(benchmark::State &state)
{
    const LotteryInfo lottery = lotteryFromRow(
        {QStringLiteral("双色球"), QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("6"),
         QStringLiteral("蓝球"), QStringLiteral("16"), QStringLiteral("1"), QStringLiteral("红球")});
    const DrawShape shape = drawShapeOf("双色球", lottery.lottery);
    const std::vector<Draw> draws = tenThousandDraws();
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("数据库")));
    const ProgramFolder folder = programFolder(dir.path());
    QFile catalogue(qPath(folder.catalogue()));
    if (!catalogue.open(QIODevice::WriteOnly))
        state.SkipWithError("cannot make the catalogue");
    catalogue.close();
    HistoryStore(qPath(folder.catalogue())).importDraws("双色球", shape, drawFileBytes(draws, shape));
    FakeDesktop desktop;
    for (auto _ : state) {
        HistoryWindow window({desktop, folder, {}});
        window.showLottery(lottery);
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_HistoryWindowOpensOnTenThousandDraws)->Unit(benchmark::kMillisecond);

} // namespace

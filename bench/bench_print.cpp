// Printing many rows to a PDF file through the same layout and Qt surface
// the program uses. Reports the peak resident memory after each size, so a
// growth with the page count would show.
#include "results/printout.h"
#include "views/qt_print_surface.h"

#include <QDir>
#include <QPrinter>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_PrintRowsToPdf(benchmark::State &state)
{
    ResultGrid grid;
    const std::vector<std::string> bet{"01", "05", "12", "17", "23", "28", "33"};
    for (int i = 0; i < state.range(0); ++i)
        grid.appendBet({Lotto, 33, 7}, bet);
    const QString path = QDir::temp().filePath(QStringLiteral("korvel-bench-print.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QtPrintSurface surface(&printer);
        printResultGrid(grid, {QStringLiteral("双色球"), {Lotto, 33, 7}, QStringLiteral("2026-12-8")},
                        surface);
    }
    state.counters["pages"] = printPageCount(grid);
    state.counters["peak_MB"] = peakMegabytes();
    QFile::remove(path);
}
BENCHMARK(BM_PrintRowsToPdf)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// What "打印预览" draws for a grid of a million rows (its first pages, as
// the preview shows them) against the floor, a grid of just those pages:
// time, and the growth of the peak resident memory.
void BM_PreviewPages(benchmark::State &state)
{
    ResultGrid grid;
    const std::vector<std::string> bet{"01", "05", "12", "17", "23", "28", "33"};
    for (int i = 0; i < state.range(0); ++i)
        grid.appendBet({Lotto, 33, 7}, bet);
    const QString path = QDir::temp().filePath(QStringLiteral("korvel-bench-preview.pdf"));
    const double peakBefore = peakMegabytes();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QtPrintSurface surface(&printer);
        printResultGrid(grid, {QStringLiteral("双色球"), {Lotto, 33, 7}, QStringLiteral("2026-12-8")},
                        surface, {}, kPreviewPages);
    }
    state.counters["pages_of_grid"] = printPageCount(grid);
    state.counters["peak_growth_MB"] = peakMegabytes() - peakBefore;
    QFile::remove(path);
}
BENCHMARK(BM_PreviewPages)
    ->Arg(25 * kPreviewPages)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

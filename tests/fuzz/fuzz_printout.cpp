// The printout's layout of any grid: hostile cell texts, any count, any row
// count and any page size lay out without a fault, every page begun is
// ended, and the page count follows from the rows.
#include "results/print_surface.h"
#include "results/printout.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Measures text as 8 pixels a character and keeps only counts.
class CountingSurface : public PrintSurface
{
public:
    explicit CountingSurface(QSize size)
        : m_size(size)
    {}
    void begin() override { ++pages; }
    QSize pageSize() const override { return m_size; }
    void setFont(const QString &, int, bool, bool) override {}
    int textWidth(const QString &text) override { return static_cast<int>(text.size()) * 8; }
    void drawText(int, int, const QString &text) override { characters += text.size(); }
    void drawLine(int, int, int, int) override { ++lines; }
    void newPage() override { ++pages; }
    void end() override { ended = true; }
    void abort() override { aborted = true; }

    int pages = 0;
    long long characters = 0;
    long long lines = 0;
    bool ended = false;
    bool aborted = false;

private:
    QSize m_size;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // A grid as a load leaves it: the header, then rows of any texts.
    ResultGrid grid;
    const Lottery lottery{Lotto,  kMaxTotal, input.ConsumeIntegralInRange(0, 60),
                          "后区", kMaxTotal, input.ConsumeIntegralInRange(0, 3)};
    const int count = lottery.numberCount();
    const int rows = input.ConsumeIntegralInRange(0, 60);
    std::vector<std::string> cells = resultHeadings(lottery);
    grid.setColumnCount(count + 1);
    grid.setRow(0, cells);
    grid.setRowCount(1);
    for (int r = 1; r <= rows; ++r) {
        cells.assign(1, std::to_string(r));
        for (int k = 0; k < count; ++k)
            cells.push_back(input.ConsumeRandomLengthString(24));
        grid.appendRow(cells);
    }
    PrintJob job;
    job.lotteryName = QString::fromStdString(input.ConsumeRandomLengthString(64));
    job.lottery = Lottery{Lotto,  kMaxTotal, input.ConsumeIntegralInRange(0, 60),
                          "蓝球", kMaxTotal, input.ConsumeIntegralInRange(0, 3)};
    job.dateText = QString::fromStdString(input.ConsumeRandomLengthString(16));
    const QSize page(input.ConsumeIntegralInRange(1, 20000), input.ConsumeIntegralInRange(1, 30000));
    const int stopAt = input.ConsumeIntegralInRange(0, 5);

    CountingSurface surface(page);
    const bool printed = printResultGrid(
        grid, job, surface, [&](int pageNumber, int) { return stopAt == 0 || pageNumber < stopAt; });
    const int pages = printPageCount(grid);
    if (printed != (stopAt == 0 || stopAt > pages) || printed != surface.ended || printed == surface.aborted)
        std::abort();
    if (printed && surface.pages != std::max(pages, 1))
        std::abort();
    return 0;
}

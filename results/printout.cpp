#include "results/printout.h"

#include "results/print_surface.h"

#include <algorithm>

namespace {

QString cellText(const ResultGrid &grid, int column, int row)
{
    return QString::fromUtf8(grid.cell(column, row));
}

// The ruled table is nine columns of a tenth of the page each. A bet of
// more numbers than that holds (快乐8's ten) gets as many narrower columns
// across the same width, so that no number is printed off the paper.
struct Columns
{
    int count;   // ruled columns
    int pitch;   // width of one
    int heading; // a heading's and a cell's distance from their column's line
    int cell;
};

Columns columnsFor(int used, int w)
{
    const int count = std::max(used, 9);
    const int pitch = used <= 9 ? w / 10 : 9 * w / 10 / used;
    if (used <= 9)
        return {count, pitch, 100, 170};
    // The distances shrink with the columns: by 9 / used, as the pitch does.
    return {count, pitch, 100 * 9 / used, 170 * 9 / used};
}

void drawPage(const ResultGrid &grid, const PrintJob &job, PrintSurface &surface, int page, int pages, int w,
              int h)
{
    const std::vector<std::string> headings = resultHeadings(job.lottery);
    const Columns columns = columnsFor(std::max(static_cast<int>(headings.size()), grid.columnCount()), w);
    const int left = w / 14;
    for (int j = 0; j <= 26; ++j) {
        const int y = (j + 3) * h / 29 - 120;
        surface.drawLine(left, y, left + 9 * w / 10, y);
    }
    for (int j = 0; j <= columns.count; ++j) {
        const int x = left + j * columns.pitch;
        surface.drawLine(x, 3 * h / 29 - 120, x, h - 120);
    }
    surface.setFont(QStringLiteral("宋体"), 10, false, false);
    for (size_t k = 0; k < headings.size(); ++k)
        surface.drawText(left + static_cast<int>(k) * columns.pitch + columns.heading, 3 * h / 30,
                         QString::fromStdString(headings[k]));
    const int rows = grid.rowCount() - 1;
    const int first = (page - 1) * kRowsPerPage + 1;
    for (int r = first; r <= rows && r < first + kRowsPerPage; ++r) {
        const int i = r - first + 1;
        for (int c = 0; c < grid.columnCount(); ++c)
            surface.drawText(left + c * columns.pitch + columns.cell, (i + 3) * h / 29, cellText(grid, c, r));
    }
    // Where the page is too narrow for the line at its place, it moves left
    // just enough to stay on the paper.
    const QString pageLine
        = QStringLiteral("共%1页\\第%2页").arg(QString::number(pages), QString::number(page));
    const int pageLineX = std::min(9 * w / 10 + 330, w - surface.textWidth(pageLine));
    surface.drawText(pageLineX, 28 * h / 29 + 130, pageLine);
}

} // namespace

int printPageCount(const ResultGrid &grid)
{
    const int rows = grid.rowCount() - 1;
    return rows / kRowsPerPage + (rows % kRowsPerPage != 0 ? 1 : 0);
}

bool printResultGrid(const ResultGrid &grid, const PrintJob &job, PrintSurface &surface,
                     const std::function<bool(int page, int pages)> &beforePage, int pageLimit)
{
    const int pages = printPageCount(grid);
    surface.begin();
    const QSize size = surface.pageSize();
    const int w = size.width();
    const int h = size.height();

    surface.setFont(QStringLiteral("录书"), 18, true, true);
    const QString title = job.lotteryName + QStringLiteral("  投注号码");
    surface.drawText((w - surface.textWidth(title)) / 2, h / 29 - 50, title);
    surface.setFont(QStringLiteral("宋体"), 10, false, false);
    surface.drawText(w / 14, 2 * h / 29 - 20,
                     QStringLiteral("共%1注 打印日期:").arg(grid.rowCount() - 1) + job.dateText);

    const int drawn = pageLimit > 0 ? std::min(pages, pageLimit) : pages;
    for (int page = 1; page <= drawn; ++page) {
        if (beforePage && !beforePage(page, drawn)) {
            surface.abort();
            return false;
        }
        drawPage(grid, job, surface, page, pages, w, h);
        if (page < drawn)
            surface.newPage();
    }
    surface.end();
    return true;
}

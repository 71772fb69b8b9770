#pragma once

#include "results/result_grid.h"

#include <QString>

#include <functional>

class PrintSurface;

struct PrintJob
{
    QString lotteryName;
    Lottery lottery;  // whose headings stand above the columns
    QString dateText; // today's date in the program's short date format
};

inline constexpr int kRowsPerPage = 25;

// The number of pages for a grid: 25 result rows a page.
int printPageCount(const ResultGrid &grid);

// A printout of more pages than this shows its progress, with 取消.
inline constexpr int kPagesPrintedWithoutProgress = 3;
inline bool printShowsProgress(int pages)
{
    return pages > kPagesPrintedWithoutProgress;
}

// A preview shows no more than this many pages: what the preview keeps of a
// page grows with the pages, and a grid of a million rows is 40,000 of them.
inline constexpr int kPreviewPages = 20;

// Lays out the ruled table of bets: title and summary on page 1, then on
// every page 27 horizontal and 10 vertical rules, the headings, 25 rows and
// the page line "共P页\第s页". `beforePage` is called with the page number
// (from 1) and the page count before each page is drawn; returning false
// abandons the job, which is then aborted on the surface. Returns whether
// the whole document was printed. A `pageLimit` above 0 draws no more than
// the first that many pages (a preview); their page lines still count all.
bool printResultGrid(const ResultGrid &grid, const PrintJob &job, PrintSurface &surface,
                     const std::function<bool(int page, int pages)> &beforePage = {}, int pageLimit = 0);

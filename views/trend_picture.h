#pragma once

#include <QImage>

#include <functional>

class QPainter;
class QtPrintSurface;
class TrendModel;

// The trend chart drawn whole, header and 期号 column included, as the view
// shows it: for a picture file and for paper.

// A picture of more draws than this would take hundreds of megabytes.
inline constexpr int kPictureDraws = 500;

QSize trendPictureSize(const TrendModel &model, int rows);

// Rows firstRow .. firstRow + rows - 1 under the header, from the painter's
// origin.
void paintTrendRows(QPainter &painter, const TrendModel &model, int firstRow, int rows);

QImage trendPicture(const TrendModel &model);

// How many rows a printed page holds under the header, the line that
// closes the last one included, for a chart `chartWidth` wide drawn as
// wide as the page; at least one.
int trendRowsPerPage(const QSize &page, int chartWidth);

// The chart over as many pages as it needs, each as wide as the page and
// headed by the header. `pageDone` is told each page (from 1) and the page
// count; it answers false to stop. Returns false when stopped.
bool printTrend(QtPrintSurface &surface, const TrendModel &model,
                const std::function<bool(int page, int pages)> &pageDone);

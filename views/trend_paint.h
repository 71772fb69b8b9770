#pragma once

#include <QRect>
#include <QString>

class QModelIndex;
class QPainter;

// The sizes of the trend chart's cells, the same on screen, in the picture
// and on paper.
struct TrendMetrics
{
    int numberWidth = 22;
    int figureWidth = 46;
    int issueWidth = 72;
    int rowHeight = 20;
    int bandHeight = 18;
    int headerHeight = 38; // the group band over the numbers
};
inline constexpr TrendMetrics kTrendMetrics;

// One cell of a TrendModel: a hit as a coloured ball with its number, a
// miss as its grey 遗漏, the rows under the draws on a tinted ground.
void paintTrendCell(QPainter &painter, const QRect &rect, const QModelIndex &index);

// The band over a group of columns, with the group's label: red for the
// front zone, blue for the back, grey for the figures.
void paintTrendBand(QPainter &painter, const QRect &rect, const QString &label, bool back, bool figures);

#include "views/trend_picture.h"

#include "views/qt_print_surface.h"
#include "views/trend_model.h"
#include "views/trend_paint.h"

#include <QPainter>

#include <cmath>

namespace {

const QColor kLine(0xd0, 0xd0, 0xd0);
const QColor kHeaderGround(0xf4, 0xf4, 0xf4);

int columnWidth(const TrendModel &model, int column)
{
    return column >= model.columnCount() - TrendModel::kFigureColumns ? kTrendMetrics.figureWidth
                                                                      : kTrendMetrics.numberWidth;
}

QVariant header(const TrendModel &model, int column, int role)
{
    return model.headerData(column, Qt::Horizontal, role);
}

void paintHeader(QPainter &painter, const TrendModel &model)
{
    const TrendMetrics &m = kTrendMetrics;
    const int numbersTop = m.bandHeight;
    const int numbersHeight = m.headerHeight - m.bandHeight;
    painter.fillRect(QRect(0, 0, m.issueWidth, m.headerHeight), kHeaderGround);
    painter.drawText(QRect(0, 0, m.issueWidth, m.headerHeight), Qt::AlignCenter, QStringLiteral("期号"));
    int x = m.issueWidth;
    for (int c = 0; c < model.columnCount(); ++c) {
        const int group = header(model, c, TrendModel::GroupRole).toInt();
        if (c == 0 || header(model, c - 1, TrendModel::GroupRole).toInt() != group) {
            int span = 0;
            for (int k = c;
                 k < model.columnCount() && header(model, k, TrendModel::GroupRole).toInt() == group; ++k)
                span += columnWidth(model, k);
            paintTrendBand(painter, QRect(x, 0, span, m.bandHeight),
                           header(model, c, TrendModel::GroupLabelRole).toString(),
                           header(model, c, TrendModel::BackGroupRole).toBool(),
                           c >= model.columnCount() - TrendModel::kFigureColumns);
        }
        const QRect number(x, numbersTop, columnWidth(model, c), numbersHeight);
        painter.fillRect(number, kHeaderGround);
        painter.drawText(number, Qt::AlignCenter, header(model, c, Qt::DisplayRole).toString());
        x += number.width();
    }
}

} // namespace

QSize trendPictureSize(const TrendModel &model, int rows)
{
    int width = kTrendMetrics.issueWidth;
    for (int c = 0; c < model.columnCount(); ++c)
        width += columnWidth(model, c);
    return {width, kTrendMetrics.headerHeight + rows * kTrendMetrics.rowHeight};
}

void paintTrendRows(QPainter &painter, const TrendModel &model, int firstRow, int rows)
{
    const TrendMetrics &m = kTrendMetrics;
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    paintHeader(painter, model);
    const QSize size = trendPictureSize(model, rows);
    for (int i = 0; i < rows; ++i) {
        const int row = firstRow + i;
        const int y = m.headerHeight + i * m.rowHeight;
        const QRect issue(0, y, m.issueWidth, m.rowHeight);
        painter.fillRect(issue, kHeaderGround);
        painter.drawText(issue, Qt::AlignCenter,
                         model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString());
        int x = m.issueWidth;
        for (int c = 0; c < model.columnCount(); ++c) {
            const QRect cell(x, y, columnWidth(model, c), m.rowHeight);
            paintTrendCell(painter, cell, model.index(row, c));
            x += cell.width();
        }
    }
    painter.setPen(kLine);
    for (int i = 0; i <= rows; ++i) {
        const int y = m.headerHeight + i * m.rowHeight;
        painter.drawLine(0, y, size.width(), y);
    }
    int x = m.issueWidth;
    painter.drawLine(0, 0, 0, size.height());
    for (int c = 0; c <= model.columnCount(); ++c) {
        painter.drawLine(x, m.bandHeight, x, size.height());
        if (c < model.columnCount())
            x += columnWidth(model, c);
    }
    painter.restore();
}

QImage trendPicture(const TrendModel &model)
{
    QImage image(trendPictureSize(model, model.rowCount()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintTrendRows(painter, model, 0, model.rowCount());
    return image;
}

int trendRowsPerPage(const QSize &page, int chartWidth)
{
    const double scale = static_cast<double>(page.width()) / std::max(1, chartWidth);
    // The line under the last row is one unit below it.
    const double room = page.height() / scale - kTrendMetrics.headerHeight - 1;
    return std::max(1, static_cast<int>(room / kTrendMetrics.rowHeight));
}

bool printTrend(QtPrintSurface &surface, const TrendModel &model,
                const std::function<bool(int page, int pages)> &pageDone)
{
    surface.begin();
    QPainter &painter = surface.painter();
    const QSize page = surface.pageSize();
    const int rowsPerPage = trendRowsPerPage(page, trendPictureSize(model, 0).width());
    const double scale = static_cast<double>(page.width()) / trendPictureSize(model, 0).width();
    const int rows = model.rowCount();
    const int pages = std::max(1, (rows + rowsPerPage - 1) / rowsPerPage);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            surface.newPage();
        painter.save();
        painter.scale(scale, scale);
        paintTrendRows(painter, model, p * rowsPerPage, std::min(rowsPerPage, rows - p * rowsPerPage));
        painter.restore();
        if (!pageDone(p + 1, pages)) {
            surface.abort();
            return false;
        }
    }
    surface.end();
    return true;
}

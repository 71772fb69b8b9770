#include "views/trend_paint.h"

#include "views/trend_model.h"

#include <QFontInfo>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kFrontBall(0xd9, 0x2b, 0x25);
const QColor kBackBall(0x1f, 0x5f, 0xd0);
const QColor kBetBall(0xe8, 0x8a, 0x00);
const QColor kStatsGround(0xff, 0xf6, 0xd8);
const QColor kOverlayGround(0xfd, 0xf0, 0xdc);

QColor ballColour(int mark)
{
    switch (mark) {
    case TrendModel::FrontBall:
        return kFrontBall;
    case TrendModel::BackBall:
        return kBackBall;
    default:
        return kBetBall;
    }
}

} // namespace

void paintTrendCell(QPainter &painter, const QRect &rect, const QModelIndex &index)
{
    const int mark = index.data(TrendModel::MarkRole).toInt();
    const QString text = index.data(Qt::DisplayRole).toString();
    painter.save();
    if (index.data(TrendModel::StatsRowRole).toBool())
        painter.fillRect(rect, kStatsGround);
    else if (mark == TrendModel::BetBall)
        painter.fillRect(rect, kOverlayGround);
    if (mark != TrendModel::NoMark) {
        const int side = std::min(rect.width(), rect.height()) - 2;
        const QRect ball(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ballColour(mark));
        painter.drawEllipse(ball);
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::white);
    } else {
        const QVariant colour = index.data(Qt::ForegroundRole);
        painter.setPen(colour.isValid() ? colour.value<QColor>() : QColor(Qt::black));
    }
    // A figure wider than its column (a count or 遗漏 of 1000 and more in
    // a number column) is drawn smaller rather than cut off.
    const int room = rect.width() - 2;
    const int wide = painter.fontMetrics().horizontalAdvance(text);
    if (wide > room && room > 0) {
        QFont narrower = painter.font();
        narrower.setPixelSize(std::max(6, QFontInfo(narrower).pixelSize() * room / wide));
        painter.setFont(narrower);
    }
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.restore();
}

void paintTrendBand(QPainter &painter, const QRect &rect, const QString &label, bool back, bool figures)
{
    painter.save();
    const QColor ground = figures ? QColor(0xee, 0xee, 0xee)
                          : back  ? QColor(0xe2, 0xec, 0xfd)
                                  : QColor(0xfd, 0xe4, 0xe2);
    painter.fillRect(rect, ground);
    painter.setPen(QColor(0xb8, 0xb8, 0xb8));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(figures ? QColor(Qt::black) : back ? kBackBall : kFrontBall);
    painter.drawText(rect, Qt::AlignCenter, label);
    painter.restore();
}

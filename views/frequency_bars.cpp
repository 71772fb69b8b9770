#include "views/frequency_bars.h"

#include <QPainter>

#include <algorithm>

FrequencyBars::FrequencyBars(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumHeight(160);
}

void FrequencyBars::setBars(std::vector<Bar> bars)
{
    m_bars = std::move(bars);
    update();
}

void FrequencyBars::paintEvent(QPaintEvent *)
{
    if (m_bars.empty())
        return;
    QPainter painter(this);
    const QFontMetrics metrics = painter.fontMetrics();
    const int textHeight = metrics.height();
    const QRect area = rect().adjusted(8, textHeight + 4, -8, -(textHeight + 6));
    const int slot = std::max(1, area.width() / static_cast<int>(m_bars.size()));
    const int highest
        = std::max(1, std::max_element(m_bars.begin(), m_bars.end(), [](const Bar &a, const Bar &b) {
                          return a.count < b.count;
                      })->count);
    // Labels too wide for their slot are shown for every few bars only.
    const int labelWidth = metrics.horizontalAdvance(m_bars.back().label) + 4;
    const int labelEvery = std::max(1, (labelWidth + slot - 1) / slot);
    const int countWidth = metrics.horizontalAdvance(QString::number(highest)) + 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(area.left(), area.bottom(), area.left() + slot * static_cast<int>(m_bars.size()),
                     area.bottom());
    for (size_t i = 0; i < m_bars.size(); ++i) {
        const Bar &bar = m_bars[i];
        const int x = area.left() + static_cast<int>(i) * slot;
        const int height = area.height() * bar.count / highest;
        const QRect column(x + std::max(1, slot / 6), area.bottom() - height,
                           std::max(1, slot - 2 * std::max(1, slot / 6)), height);
        const QColor colour = bar.heat == Hot    ? QColor(0xd9, 0x2b, 0x25)
                              : bar.heat == Cold ? QColor(0x1f, 0x5f, 0xd0)
                                                 : QColor(0x9a, 0x9a, 0x9a);
        painter.fillRect(column, colour);
        painter.setPen(palette().color(QPalette::Text));
        if (countWidth <= slot || bar.heat != Plain)
            painter.drawText(QRect(x - slot, column.top() - textHeight - 1, 3 * slot, textHeight),
                             Qt::AlignCenter, QString::number(bar.count));
        if (static_cast<int>(i) % labelEvery == 0)
            painter.drawText(QRect(x - slot, area.bottom() + 3, 3 * slot, textHeight), Qt::AlignCenter,
                             bar.label);
    }
}

#pragma once

#include "history/trend_chart.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

// The trend chart (走势图) as a table: one row per draw, oldest first, then
// the rows 出现次数, 当前遗漏, 平均遗漏, 最大遗漏, 最大连出, then the player's bets
// when they are overlaid; one column per number of each group, then 和值,
// 跨度, 奇偶比 and 大小比. Every figure comes from the TrendChart.
class TrendModel : public QAbstractTableModel
{
public:
    // How a cell is drawn (MarkRole): a hit of the front or back zone is a
    // coloured ball, a number of the bets a ball of its own colour.
    enum Mark { NoMark, FrontBall, BackBall, BetBall };
    enum Role {
        MarkRole = Qt::UserRole + 1,
        GroupRole,      // header: the group a column belongs to (its index)
        GroupLabelRole, // header: the group's label, "号码", "蓝球", "百位", "形态"
        BackGroupRole,  // header: whether the group is of the back zone
        StatsRowRole,   // cell: whether the row is one of the rows under the draws
    };
    static constexpr int kStatRows = 5;
    static constexpr int kFigureColumns = 4;

    explicit TrendModel(QObject *parent = nullptr);

    // How the rows under the draws are worked out, in a line for the chart.
    static QString statsNote();

    void setChart(TrendChart chart, bool digits);
    // How many bets hold each column's number; empty for no overlay row.
    void setOverlay(std::vector<int> counts);

    const TrendChart &chart() const { return *m_chart; }
    bool hasOverlay() const { return !m_overlay.empty(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant drawCell(int row, int column, int role) const;
    QVariant statsCell(int which, int column, int role) const;
    QVariant overlayCell(int column, int role) const;
    QString numberText(int column) const;

    std::optional<TrendChart> m_chart;
    bool m_digits = false;
    std::vector<int> m_overlay;
};

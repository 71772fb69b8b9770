#include "views/trend_model.h"

#include <QColor>

namespace {

const char *const kStatNames[TrendModel::kStatRows]
    = {"出现次数", "当前遗漏", "平均遗漏", "最大遗漏", "最大连出"};
// What each of those rows counts, for a player who wonders.
const char *const kStatNotes[TrendModel::kStatRows] = {
    "所示各期中开出的次数",
    "最新一期之后已连续未开出的期数",
    "（期数 − 出现次数）÷（出现次数 + 1），舍去小数",
    "所示各期中最长的遗漏，含所示第一期之前已遗漏的期数",
    "所示各期中连续开出的最多期数",
};
const char *const kFigureNames[TrendModel::kFigureColumns] = {"和值", "跨度", "奇偶比", "大小比"};
const QColor kMissText(0x9a, 0x9a, 0x9a);

} // namespace

QString TrendModel::statsNote()
{
    return QStringLiteral("当前遗漏：%1；平均遗漏：%2；最大遗漏：%3。")
        .arg(QString::fromUtf8(kStatNotes[1]), QString::fromUtf8(kStatNotes[2]),
             QString::fromUtf8(kStatNotes[3]));
}

TrendModel::TrendModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void TrendModel::setChart(TrendChart chart, bool digits)
{
    beginResetModel();
    m_chart = std::move(chart);
    m_digits = digits;
    m_overlay.clear();
    endResetModel();
}

void TrendModel::setOverlay(std::vector<int> counts)
{
    if (!m_chart || counts.size() != static_cast<size_t>(m_chart->columnCount()))
        counts.clear();
    // The row comes, goes or changes in place, so the view keeps its place.
    const int row = m_chart ? m_chart->rowCount() + kStatRows : 0;
    if (hasOverlay() && !counts.empty()) {
        m_overlay = std::move(counts);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    } else if (hasOverlay()) {
        beginRemoveRows({}, row, row);
        m_overlay.clear();
        endRemoveRows();
    } else if (!counts.empty()) {
        beginInsertRows({}, row, row);
        m_overlay = std::move(counts);
        endInsertRows();
    }
}

int TrendModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_chart)
        return 0;
    return m_chart->rowCount() + kStatRows + (hasOverlay() ? 1 : 0);
}

int TrendModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_chart)
        return 0;
    return m_chart->columnCount() + kFigureColumns;
}

QString TrendModel::numberText(int column) const
{
    return QString::fromStdString(zoneText({m_chart->number(column)}, m_digits));
}

QVariant TrendModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_chart)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    const int draws = m_chart->rowCount();
    const int row = index.row();
    if (role == StatsRowRole)
        return row >= draws && row < draws + kStatRows;
    if (row < draws)
        return drawCell(row, index.column(), role);
    if (row < draws + kStatRows)
        return statsCell(row - draws, index.column(), role);
    return overlayCell(index.column(), role);
}

QVariant TrendModel::drawCell(int row, int column, int role) const
{
    if (column >= m_chart->columnCount()) {
        if (role != Qt::DisplayRole)
            return {};
        const DrawFigures &figures = m_chart->figures(row);
        switch (column - m_chart->columnCount()) {
        case 0:
            return figures.sum;
        case 1:
            return figures.span;
        case 2:
            return QString::fromStdString(figures.oddEven());
        default:
            return QString::fromStdString(figures.bigSmall());
        }
    }
    const int miss = m_chart->miss(row, column);
    const bool back = m_chart->groups()[static_cast<size_t>(m_chart->group(column))].back;
    switch (role) {
    case Qt::DisplayRole:
        return miss == 0 ? QVariant(numberText(column)) : QVariant(miss);
    case MarkRole:
        return miss == 0 ? (back ? BackBall : FrontBall) : NoMark;
    case Qt::ForegroundRole:
        return miss == 0 ? QVariant() : QVariant(kMissText);
    case Qt::ToolTipRole:
        return miss == 0 ? QStringLiteral("第%1期开出%2")
                               .arg(QString::fromStdString(m_chart->issue(row)), numberText(column))
                         : QStringLiteral("%1已遗漏%2期").arg(numberText(column)).arg(miss);
    default:
        return {};
    }
}

QVariant TrendModel::statsCell(int which, int column, int role) const
{
    if (role != Qt::DisplayRole || column >= m_chart->columnCount())
        return {};
    const ColumnStats &stats = m_chart->stats(column);
    const int values[kStatRows]
        = {stats.appearances, stats.currentMiss, stats.averageMiss, stats.longestMiss, stats.longestRun};
    return values[which];
}

QVariant TrendModel::overlayCell(int column, int role) const
{
    if (column >= m_chart->columnCount())
        return {};
    const int count = m_overlay[static_cast<size_t>(column)];
    switch (role) {
    case Qt::DisplayRole:
        return count > 0 ? QVariant(numberText(column)) : QVariant();
    case MarkRole:
        return count > 0 ? BetBall : NoMark;
    case Qt::ToolTipRole:
        return count > 0 ? QVariant(QStringLiteral("%1注含%2").arg(count).arg(numberText(column)))
                         : QVariant();
    default:
        return {};
    }
}

QVariant TrendModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!m_chart)
        return {};
    if (orientation == Qt::Vertical) {
        const int draws = m_chart->rowCount();
        if (role == Qt::ToolTipRole && section >= draws && section < draws + kStatRows)
            return QString(QString::fromUtf8(kStatNames[section - draws]) + QStringLiteral("：")
                           + QString::fromUtf8(kStatNotes[section - draws]));
        if (role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (section < draws)
            return QString::fromStdString(m_chart->issue(section));
        if (section < draws + kStatRows)
            return QString::fromUtf8(kStatNames[section - draws]);
        return QStringLiteral("当前投注");
    }
    const bool figure = section >= m_chart->columnCount();
    const int group = figure ? static_cast<int>(m_chart->groups().size()) : m_chart->group(section);
    switch (role) {
    case Qt::DisplayRole:
        return figure ? QString::fromUtf8(kFigureNames[section - m_chart->columnCount()])
                      : numberText(section);
    case GroupRole:
        return group;
    case GroupLabelRole:
        return figure ? QStringLiteral("形态")
                      : QString::fromStdString(m_chart->groups()[static_cast<size_t>(group)].label);
    case BackGroupRole:
        return !figure && m_chart->groups()[static_cast<size_t>(group)].back;
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}

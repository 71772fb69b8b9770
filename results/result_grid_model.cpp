#include "results/result_grid_model.h"

#include "base/app_error.h"
#include "results/bet_fit.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <algorithm>

namespace {

const QColor kRepeatBackground(226, 226, 226);
const QColor kHitBackground(255, 214, 102);
const QColor kMisfitBackground(255, 205, 205);

// "命中5个号码", and for a back zone "命中5个号码，蓝球命中1个".
QString hitSummary(const std::vector<bool> &hit, const Lottery &lottery)
{
    const auto split = hit.begin() + std::min(hit.size(), static_cast<size_t>(lottery.count));
    QString summary = QStringLiteral("命中%1个号码").arg(std::count(hit.begin(), split, true));
    if (lottery.hasBack())
        summary += QStringLiteral("，%1命中%2个")
                       .arg(QString::fromStdString(lottery.backName))
                       .arg(std::count(split, hit.end(), true));
    return summary;
}

} // namespace

ResultGridModel::ResultGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_repeats.rebuild(m_grid);
}

ResultGridModel::Snapshot ResultGridModel::exchange(Snapshot next, int count)
{
    if (!fitsBetSize(next.grid, count))
        throw AppError("表格中的号码个数与当前彩票不符，表格未改变。");
    if (!next.grid.sharesRowsWith(m_grid) && next.grid == m_grid)
        next.grid = m_grid;
    // The same rows have the same repeats: no second index of a large grid.
    if (!next.repeats && next.grid.sharesRowsWith(m_grid))
        next.repeats = m_repeats;
    // Every part is moved, never copied: a million rows change places in
    // no time, and the view measures no row (its rows are of one height).
    beginResetModel();
    Snapshot previous{std::move(m_grid), std::move(m_provenance), std::move(m_draw), m_drawLottery,
                      m_unsaved,         std::move(m_misfits),    m_fitLottery,      std::move(m_repeats)};
    m_grid = std::move(next.grid);
    m_provenance = std::move(next.provenance);
    m_draw = std::move(next.draw);
    m_drawLottery = next.drawLottery;
    m_unsaved = next.unsaved;
    m_misfits = std::move(next.misfits);
    m_fitLottery = next.fitLottery;
    if (next.repeats)
        m_repeats = std::move(*next.repeats);
    else
        m_repeats.rebuild(m_grid);
    endResetModel();
    return previous;
}

std::vector<std::string> ResultGridModel::bet(int row) const
{
    std::vector<std::string> numbers;
    for (int column = 1; column < m_grid.columnCount(); ++column)
        numbers.emplace_back(m_grid.cell(column, row));
    return numbers;
}

bool ResultGridModel::fits(int row) const
{
    return !std::binary_search(m_misfits.begin(), m_misfits.end(), row);
}

int ResultGridModel::repeatOf(int row) const
{
    return m_repeats.repeatOf(m_grid, row);
}

const std::string *ResultGridModel::provenanceOf(int row) const
{
    const auto found = std::lower_bound(m_provenance.begin(), m_provenance.end(), row,
                                        [](const auto &entry, int r) { return entry.first < r; });
    return found != m_provenance.end() && found->first == row ? &found->second : nullptr;
}

void ResultGridModel::appendBet(const Lottery &lottery, const std::vector<std::string> &numbers,
                                const std::string &provenance)
{
    const std::vector<std::string_view> views(numbers.begin(), numbers.end());
    appendBet(lottery, views, provenance);
}

void ResultGridModel::appendBet(const Lottery &lottery, std::span<const std::string_view> numbers,
                                const std::string &provenance)
{
    const int count = lottery.numberCount();
    if (static_cast<int>(numbers.size()) != count || !fitsBetSize(m_grid, count))
        throw AppError("号码个数与当前彩票不符，未加入表格。");
    m_unsaved = true;
    const int oldRows = m_grid.rowCount();
    const bool addsRow = !m_grid.cell(0, 1).empty();
    const bool reshapes = count + 1 != m_grid.columnCount();
    if (reshapes)
        beginResetModel();
    else if (addsRow)
        beginInsertRows({}, oldRows - 1, oldRows - 1);
    m_grid.appendBet(lottery, numbers);
    const int row = m_grid.rowCount() - 1;
    while (!m_provenance.empty() && m_provenance.back().first >= row)
        m_provenance.pop_back();
    if (!provenance.empty())
        m_provenance.emplace_back(row, provenance);
    if (reshapes) {
        m_repeats.rebuild(m_grid);
        endResetModel();
        return;
    }
    m_repeats.add(m_grid, row);
    if (addsRow) {
        endInsertRows();
    } else {
        emit dataChanged(index(row - 1, 0), index(row - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ResultGridModel::setDraw(LotteryNumbers winning, const Lottery &lottery)
{
    m_draw = std::move(winning);
    m_drawLottery = lottery;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

std::vector<bool> ResultGridModel::hits(int row) const
{
    if (m_draw.empty() || m_grid.cell(0, row).empty() || !fits(row))
        return {};
    return drawHits(bet(row), m_draw, m_drawLottery);
}

int ResultGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount() - 1;
}

int ResultGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.columnCount() - 1;
}

QVariant ResultGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromUtf8(m_grid.cell(index.column() + 1, row));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const std::vector<bool> hit = hits(row);
        if (static_cast<size_t>(index.column()) < hit.size() && hit[static_cast<size_t>(index.column())])
            return QBrush(kHitBackground);
        if (!fits(row))
            return QBrush(kMisfitBackground);
        if (repeatOf(row))
            return QBrush(kRepeatBackground);
        return {};
    }
    case Qt::FontRole: {
        const std::vector<bool> hit = hits(row);
        if (static_cast<size_t>(index.column()) < hit.size() && hit[static_cast<size_t>(index.column())]) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    case Qt::ToolTipRole: {
        QStringList lines;
        if (!fits(row)) {
            const std::vector<std::string> cells = bet(row);
            const std::vector<std::string_view> numbers(cells.begin(), cells.end());
            lines << QStringLiteral("不符合当前彩票：%1，核对和对照历史时不计")
                         .arg(QString::fromStdString(betMisfit(numbers, m_fitLottery).value_or("")));
        }
        if (const std::string *made = provenanceOf(row))
            lines << QString::fromStdString(*made);
        if (const int first = repeatOf(row))
            lines << QStringLiteral("与第%1注相同").arg(first);
        const std::vector<bool> hit = hits(row);
        if (!m_draw.empty() && !hit.empty())
            lines << hitSummary(hit, m_drawLottery);
        return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
    }
    default:
        return {};
    }
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return QString::fromUtf8(m_grid.cell(section + 1, 0));
    return QString::fromUtf8(m_grid.cell(0, section + 1));
}

Qt::ItemFlags ResultGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

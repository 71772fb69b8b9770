#include "results/result_grid_model.h"

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

ResultGridModel::ResultGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ResultGridModel::clear()
{
    replace(ResultGrid());
}

void ResultGridModel::replace(ResultGrid grid)
{
    beginResetModel();
    m_grid = std::move(grid);
    endResetModel();
}

void ResultGridModel::appendBet(const std::vector<std::string> &numbers)
{
    const int oldRows = m_grid.rowCount();
    const int oldColumns = m_grid.columnCount();
    const bool addsRow = !m_grid.cell(0, 1).empty();
    if (static_cast<int>(numbers.size()) + 1 != oldColumns) {
        beginResetModel();
        m_grid.appendBet(numbers);
        endResetModel();
        return;
    }
    if (addsRow) {
        beginInsertRows({}, oldRows - 1, oldRows - 1);
        m_grid.appendBet(numbers);
        endInsertRows();
    } else {
        m_grid.appendBet(numbers);
        const int last = rowCount() - 1;
        emit dataChanged(index(last, 0), index(last, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, last, last);
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
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
    if (role == Qt::DisplayRole)
        return text(m_grid.cell(index.column() + 1, index.row() + 1));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return text(m_grid.cell(section + 1, 0));
    return text(m_grid.cell(0, section + 1));
}

Qt::ItemFlags ResultGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

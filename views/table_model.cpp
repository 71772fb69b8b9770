#include "views/table_model.h"

FunctionTableModel::FunctionTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void FunctionTableModel::reset(QStringList headers, int rows, Cell cell)
{
    beginResetModel();
    m_headers = std::move(headers);
    m_rows = rows;
    m_cell = std::move(cell);
    endResetModel();
}

int FunctionTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int FunctionTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant FunctionTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_cell)
        return {};
    return m_cell(index.row(), index.column(), role);
}

QVariant FunctionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_headers.size())
        return m_headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

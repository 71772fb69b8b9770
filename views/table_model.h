#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// A read-only table whose cells a function gives, so that a window shows a
// long list (ten thousand draws, a million bets) without copying it into
// items first.
class FunctionTableModel : public QAbstractTableModel
{
public:
    using Cell = std::function<QVariant(int row, int column, int role)>;

    explicit FunctionTableModel(QObject *parent = nullptr);

    void reset(QStringList headers, int rows, Cell cell);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headers;
    int m_rows = 0;
    Cell m_cell;
};

#pragma once

#include "results/result_grid.h"

#include <QAbstractTableModel>

// Shows a ResultGrid in a table view: the grid's row 0 becomes the view's
// column headers and its column 0 the row headers, so both stay fixed while
// the bets scroll. Changes go through this model so the view follows them.
class ResultGridModel : public QAbstractTableModel
{
public:
    explicit ResultGridModel(QObject *parent = nullptr);

    const ResultGrid &grid() const { return m_grid; }

    void clear();
    void appendBet(const std::vector<std::string> &numbers);
    void replace(ResultGrid grid);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    ResultGrid m_grid;
};

#pragma once

#include "results/result_grid.h"

#include <QAbstractTableModel>

#include <string>
#include <unordered_map>
#include <vector>

// Shows a ResultGrid in a table view: the grid's row 0 becomes the view's
// column headers and its column 0 the row headers, so both stay fixed while
// the bets scroll. Changes go through this model so the view follows them.
//
// Beside the grid it keeps what the player sees on top of the numbers: how
// each converted row was made (its tooltip), which rows repeat an earlier
// bet (muted), and the hits of a checked draw (highlighted).
class ResultGridModel : public QAbstractTableModel
{
public:
    explicit ResultGridModel(QObject *parent = nullptr);

    // The grid with how its rows were made, for undoing a replacement.
    struct Snapshot
    {
        ResultGrid grid;
        std::vector<std::string> provenance; // by result row, from row 1
    };

    const ResultGrid &grid() const { return m_grid; }
    Snapshot snapshot() const { return {m_grid, m_provenance}; }

    void clear();
    void appendBet(const std::vector<std::string> &numbers, const std::string &provenance = {});
    void replace(ResultGrid grid);
    void restore(Snapshot snapshot);

    // Highlights the numbers of every row that match a draw, until the grid
    // is cleared or replaced.
    void setDraw(std::vector<int> winning, int kind);
    bool hasDraw() const { return !m_draw.empty(); }

    // The row an earlier row repeats (0 for none); rows from 1.
    int repeatOf(int row) const;
    std::vector<std::string> bet(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void indexRepeats();
    void indexRow(int row);
    std::vector<bool> hits(int row) const;

    ResultGrid m_grid;
    std::vector<std::string> m_provenance;
    std::unordered_map<std::string, int> m_firstRowOf; // a bet's text → its first row
    std::vector<int> m_repeatOf;
    std::vector<int> m_draw;
    int m_drawKind = 0;
};

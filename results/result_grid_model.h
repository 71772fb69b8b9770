#pragma once

#include "results/draw_check.h"
#include "results/repeat_index.h"
#include "results/result_grid.h"

#include <QAbstractTableModel>

#include <span>
#include <string>
#include <utility>
#include <vector>

// Shows a ResultGrid in a table view: the grid's row 0 becomes the view's
// column headers and its column 0 the row headers, so both stay fixed while
// the bets scroll. Changes go through this model so the view follows them.
//
// Beside the grid it keeps what the player sees on top of the numbers: how
// each converted row was made (its tooltip), which rows repeat an earlier
// bet (muted), and the hits of a checked draw (highlighted). A grid of a
// million rows must stay small beside its cells: how a row was made is kept
// only for the rows the player converted, and repeats are found through an
// index of the bets packed into integers.
class ResultGridModel : public QAbstractTableModel
{
public:
    explicit ResultGridModel(QObject *parent = nullptr);

    // How converted rows were made: (row, text), rows ascending.
    using Provenance = std::vector<std::pair<int, std::string>>;

    // Everything the model shows, as an undo step keeps it: the grid (its
    // rows shared, not copied), how its rows were made, the checked draw
    // and whether it holds bets converted since the last save or load.
    struct Snapshot
    {
        ResultGrid grid;
        Provenance provenance;
        LotteryNumbers draw;
        Lottery drawLottery;
        bool unsaved = false;
        // Rows (ascending, from 1) that are no bet of `fitLottery`, the
        // lottery they are shown under: a file loaded under another one.
        std::vector<int> misfits;
        Lottery fitLottery;
        // The grid's repeats when already indexed (by a load off the
        // window's thread, or kept by undo); none: indexed when shown.
        std::optional<RepeatIndex> repeats;
    };

    const ResultGrid &grid() const { return m_grid; }

    // Adds one converted bet of the lottery, under its headings. A bet of
    // another size than the lottery's, or one that would join rows of
    // another size, throws AppError and changes nothing.
    void appendBet(const Lottery &lottery, std::span<const std::string_view> numbers,
                   const std::string &provenance = {});
    void appendBet(const Lottery &lottery, const std::vector<std::string> &numbers,
                   const std::string &provenance = {});

    // Shows `next` and hands back what was shown, for the undo history.
    // `count` is the bet size of the lottery `next` is shown under: a grid
    // whose rows are of another size throws AppError and changes nothing. A
    // grid equal to the one shown takes over its rows instead of keeping a
    // second copy (loading one file again and again).
    Snapshot exchange(Snapshot next, int count);

    // Bets converted since the last save or load are in the grid.
    bool hasUnsavedBets() const { return m_unsaved && m_grid.hasBets(); }
    void markSaved() { m_unsaved = false; }

    // Highlights the numbers of every row that match a draw, until the grid
    // is cleared or replaced.
    void setDraw(LotteryNumbers winning, const Lottery &lottery);
    bool hasDraw() const { return !m_draw.empty(); }

    // Whether a row (from 1) can be a bet of the lottery it is shown under;
    // the checks pass over the others.
    bool fits(int row) const;
    int misfitCount() const { return static_cast<int>(m_misfits.size()); }

    // The row an earlier row repeats (0 for none); rows from 1.
    int repeatOf(int row) const;
    std::vector<std::string> bet(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::vector<bool> hits(int row) const;
    const std::string *provenanceOf(int row) const;

    ResultGrid m_grid;
    Provenance m_provenance;
    RepeatIndex m_repeats;
    LotteryNumbers m_draw;
    Lottery m_drawLottery;
    bool m_unsaved = false;
    std::vector<int> m_misfits;
    Lottery m_fitLottery;
};

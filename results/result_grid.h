#pragma once

#include "base/lottery.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The table of bets: cells addressed as (column, row), row 0 the header
// ("序号", "号码1" …) and column 0 the row numbers. Cells are UTF-8 text.
//
// A grid of a million bets must stay small, so rows are packed into one text
// buffer: each row's cells joined by NUL, a row found by its start offset.
// Appending or replacing the last row is constant time; cells beyond what a
// row holds read as empty.
//
// Copies share the packed rows until one of them changes (copy on write), so
// the undo history can keep earlier grids without doubling a large one.
class ResultGrid
{
public:
    // The empty shape: 2 rows, 5 columns, every cell empty.
    ResultGrid();
    ResultGrid(const ResultGrid &) = default;
    ResultGrid &operator=(const ResultGrid &) = default;
    // A grid moved from is left in the empty shape, still usable.
    ResultGrid(ResultGrid &&other) noexcept;
    ResultGrid &operator=(ResultGrid &&other) noexcept;

    int rowCount() const { return static_cast<int>(m_rows->start.size()) - 1; }
    int columnCount() const { return m_columnCount; }

    // The text of a cell; empty outside the grid.
    std::string_view cell(int column, int row) const;

    // Whether there is a bet to keep, print or check: row 1, numbered by a
    // conversion or a load, holds its first number (cell (1, 1) is empty
    // outside the grid too).
    bool hasBets() const { return !cell(1, 1).empty(); }

    // Back to the empty shape.
    void clear();

    // Adds one bet of the lottery: its headings, then a new bottom row
    // numbered by its position, except that a grid whose cell (0, 1) is
    // still empty takes the bet into its last row instead.
    void appendBet(const Lottery &lottery, std::span<const std::string_view> numbers);
    void appendBet(const Lottery &lottery, const std::vector<std::string> &numbers);

    // Adds a row at the bottom holding the given cells from column 0 on.
    void appendRow(std::span<const std::string_view> cells);
    void appendRow(const std::vector<std::string> &cells);

    // Replaces one row's cells from column 0 on. The last row is replaced in
    // constant time; any other row costs a copy of the rows below it.
    void setRow(int row, std::span<const std::string_view> cells);
    void setRow(int row, const std::vector<std::string> &cells);

    // Room for this many more rows holding this many more bytes of cells, so
    // that filling a grid from a file does not move it again and again.
    void reserve(std::size_t rows, std::size_t textBytes);

    // A row's cells as stored: joined by NUL, trailing empty cells left out.
    std::string_view packedRow(int row) const;
    // Adds a row at the bottom given in that stored form, with no more cells
    // than the grid's columns: the way a file's rows are loaded.
    void appendPackedRow(std::string_view packed);

    // Grows with empty rows or drops rows at the bottom (at least 1 row).
    void setRowCount(int rows);

    // Grows with empty cells or drops the cells of the removed columns
    // (at least 1 column).
    void setColumnCount(int columns);

    // Bytes held for the cells, for the memory figures of the benchmarks.
    // Rows shared with a copy are counted in full by each.
    std::size_t memoryUsed() const;

    // Whether both grids use one and the same copy of their rows.
    bool sharesRowsWith(const ResultGrid &other) const { return m_rows == other.m_rows; }

    // The same shape and the same text in every cell.
    friend bool operator==(const ResultGrid &a, const ResultGrid &b);

private:
    struct Rows
    {
        std::string text;
        std::vector<std::uint64_t> start; // rowCount + 1 offsets into text
    };

    // The rows of the empty shape, one copy for every grid that holds them.
    static std::shared_ptr<Rows> emptyRows();
    // Appends the cells as a packed row to `text`.
    void packRow(std::span<const std::string_view> cells, std::string &text) const;
    // The rows to change, copied first when another grid shares them.
    Rows &ownRows();

    int m_columnCount = 5;
    std::shared_ptr<Rows> m_rows;
};

// Whether a grid can be shown under a lottery of `count` numbers a bet:
// every column but the row numbers holds one number of a bet, so its rows
// are exactly `count` wide, or it holds no bets at all.
bool fitsBetSize(const ResultGrid &grid, int count);

// Width in pixels of every column once a bet of n numbers has been added to a
// grid control of the given width: (width − 20) div (n + 1).
int resultColumnWidth(int gridWidth, int numberCount);

// The header row of a lottery's bets, shared by the grid and the printout:
// "序号", then "号码" + k for k = 1 … K, then the back zone's columns.
std::vector<std::string> resultHeadings(const Lottery &lottery);

#pragma once

#include <cstdint>
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
class ResultGrid
{
public:
    // The empty shape: 2 rows, 5 columns, every cell empty.
    ResultGrid();

    int rowCount() const { return static_cast<int>(m_rowStart.size()) - 1; }
    int columnCount() const { return m_columnCount; }

    // The text of a cell; empty outside the grid.
    std::string_view cell(int column, int row) const;

    // Back to the empty shape.
    void clear();

    // Adds one bet: the header for `numbers.size()` columns, then a new bottom
    // row numbered by its position, except that a grid whose cell (0, 1) is
    // still empty takes the bet into its last row instead.
    void appendBet(const std::vector<std::string> &numbers);

    // Adds a row at the bottom holding the given cells from column 0 on.
    void appendRow(const std::vector<std::string> &cells);

    // Replaces one row's cells from column 0 on. The last row is replaced in
    // constant time; any other row costs a copy of the rows below it.
    void setRow(int row, const std::vector<std::string> &cells);

    // Grows with empty rows or drops rows at the bottom (at least 1 row).
    void setRowCount(int rows);

    // Grows with empty cells or drops the cells of the removed columns
    // (at least 1 column).
    void setColumnCount(int columns);

    // Bytes held for the cells, for the memory figures of the benchmarks.
    std::size_t memoryUsed() const;

private:
    std::string packRow(const std::vector<std::string> &cells) const;

    int m_columnCount = 5;
    std::string m_text;
    std::vector<std::uint64_t> m_rowStart; // rowCount + 1 offsets into m_text
};

// Width in pixels of every column once a bet of n numbers has been added to a
// grid control of the given width: (width − 20) div (n + 1).
int resultColumnWidth(int gridWidth, int numberCount);

// The header text of column k: "序号" for 0, "号码" + k after it.
std::string resultHeader(int column);

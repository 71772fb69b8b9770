#include "results/result_grid.h"

#include <algorithm>

ResultGrid::ResultGrid()
{
    clear();
}

std::string_view ResultGrid::cell(int column, int row) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columnCount)
        return {};
    std::string_view rest(m_text.data() + m_rowStart[row],
                          m_rowStart[row + 1] - m_rowStart[row]);
    for (int i = 0; i < column; ++i) {
        const auto separator = rest.find('\0');
        if (separator == std::string_view::npos)
            return {};
        rest.remove_prefix(separator + 1);
    }
    return rest.substr(0, rest.find('\0'));
}

void ResultGrid::clear()
{
    m_columnCount = 5;
    m_text.clear();
    m_text.shrink_to_fit();
    m_rowStart.assign(3, 0);
    m_rowStart.shrink_to_fit();
}

std::string ResultGrid::packRow(const std::vector<std::string> &cells) const
{
    // Trailing empty cells need not be kept: a missing cell reads as empty.
    size_t used = std::min(cells.size(), static_cast<size_t>(m_columnCount));
    while (used > 0 && cells[used - 1].empty())
        --used;
    std::string packed;
    for (size_t i = 0; i < used; ++i) {
        if (i > 0)
            packed += '\0';
        // A NUL inside a cell would split it; cells never hold one.
        packed.append(cells[i].begin(), std::find(cells[i].begin(), cells[i].end(), '\0'));
    }
    return packed;
}

void ResultGrid::appendBet(const std::vector<std::string> &numbers)
{
    setColumnCount(static_cast<int>(numbers.size()) + 1);
    // Rewriting row 0 moves every row behind it, so it is written only when
    // it differs (the first bet after a clear, a load or a change of count).
    std::vector<std::string> header;
    bool same = true;
    for (int k = 0; k < m_columnCount; ++k) {
        header.push_back(resultHeader(k));
        same = same && cell(k, 0) == header.back();
    }
    if (!same)
        setRow(0, header);
    if (!cell(0, 1).empty())
        setRowCount(rowCount() + 1);
    const int row = rowCount() - 1;
    std::vector<std::string> cells;
    cells.reserve(numbers.size() + 1);
    cells.push_back(std::to_string(row));
    cells.insert(cells.end(), numbers.begin(), numbers.end());
    setRow(row, cells);
}

void ResultGrid::appendRow(const std::vector<std::string> &cells)
{
    setRowCount(rowCount() + 1);
    setRow(rowCount() - 1, cells);
}

void ResultGrid::setRow(int row, const std::vector<std::string> &cells)
{
    if (row < 0 || row >= rowCount())
        return;
    const std::string packed = packRow(cells);
    const std::uint64_t start = m_rowStart[row];
    const std::uint64_t oldLength = m_rowStart[row + 1] - start;
    m_text.replace(start, oldLength, packed);
    const std::int64_t delta = static_cast<std::int64_t>(packed.size())
                               - static_cast<std::int64_t>(oldLength);
    if (delta != 0) {
        for (size_t i = static_cast<size_t>(row) + 1; i < m_rowStart.size(); ++i)
            m_rowStart[i] = static_cast<std::uint64_t>(static_cast<std::int64_t>(m_rowStart[i]) + delta);
    }
}

void ResultGrid::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    if (rows < rowCount()) {
        m_rowStart.resize(static_cast<size_t>(rows) + 1);
        m_text.resize(m_rowStart.back());
    } else {
        m_rowStart.resize(static_cast<size_t>(rows) + 1, m_rowStart.back());
    }
}

void ResultGrid::setColumnCount(int columns)
{
    columns = std::max(columns, 1);
    if (columns >= m_columnCount) {
        m_columnCount = columns;
        return;
    }
    // Cells of dropped columns are gone for good, also when the grid grows
    // again; repack every row without them.
    std::string text;
    std::vector<std::uint64_t> starts{0};
    starts.reserve(m_rowStart.size());
    for (int row = 0; row < rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column)
            cells.emplace_back(cell(column, row));
        const int saved = m_columnCount;
        m_columnCount = columns;
        text += packRow(cells);
        m_columnCount = saved;
        starts.push_back(text.size());
    }
    m_columnCount = columns;
    m_text = std::move(text);
    m_rowStart = std::move(starts);
}

std::size_t ResultGrid::memoryUsed() const
{
    return m_text.capacity() + m_rowStart.capacity() * sizeof(std::uint64_t);
}

int resultColumnWidth(int gridWidth, int numberCount)
{
    return (gridWidth - 20) / (numberCount + 1);
}

std::string resultHeader(int column)
{
    return column == 0 ? std::string("序号") : "号码" + std::to_string(column);
}

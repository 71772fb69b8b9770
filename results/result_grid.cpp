#include "results/result_grid.h"

#include <algorithm>
#include <utility>

ResultGrid::ResultGrid()
    : m_rows(emptyRows())
{}

ResultGrid::ResultGrid(ResultGrid &&other) noexcept
    : m_columnCount(std::exchange(other.m_columnCount, 5))
    , m_rows(std::exchange(other.m_rows, emptyRows()))
{}

ResultGrid &ResultGrid::operator=(ResultGrid &&other) noexcept
{
    if (this != &other) {
        m_columnCount = std::exchange(other.m_columnCount, 5);
        m_rows = std::exchange(other.m_rows, emptyRows());
    }
    return *this;
}

std::shared_ptr<ResultGrid::Rows> ResultGrid::emptyRows()
{
    // Held here as well, so it is always shared and never changed in place.
    static const std::shared_ptr<Rows> empty = std::make_shared<Rows>(Rows{{}, {0, 0, 0}});
    return empty;
}

std::string_view ResultGrid::cell(int column, int row) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columnCount)
        return {};
    const std::vector<std::uint64_t> &start = m_rows->start;
    std::string_view rest(m_rows->text.data() + start[row], start[row + 1] - start[row]);
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
    // Rows shared with an undo step stay there; this grid starts afresh.
    m_columnCount = 5;
    m_rows = emptyRows();
}

ResultGrid::Rows &ResultGrid::ownRows()
{
    if (m_rows.use_count() > 1)
        m_rows = std::make_shared<Rows>(*m_rows);
    return *m_rows;
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

void ResultGrid::appendBet(const Lottery &lottery, const std::vector<std::string> &numbers)
{
    const std::vector<std::string> header = resultHeadings(lottery);
    setColumnCount(static_cast<int>(header.size()));
    // Rewriting row 0 moves every row behind it, so it is written only when
    // it differs (the first bet after a clear, a load or a change of count).
    bool same = true;
    for (int k = 0; k < m_columnCount; ++k)
        same = same && cell(k, 0) == header[static_cast<size_t>(k)];
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
    Rows &rows = ownRows();
    const std::uint64_t start = rows.start[row];
    const std::uint64_t oldLength = rows.start[row + 1] - start;
    rows.text.replace(start, oldLength, packed);
    const std::int64_t delta = static_cast<std::int64_t>(packed.size())
                               - static_cast<std::int64_t>(oldLength);
    if (delta != 0) {
        for (size_t i = static_cast<size_t>(row) + 1; i < rows.start.size(); ++i)
            rows.start[i] = static_cast<std::uint64_t>(static_cast<std::int64_t>(rows.start[i]) + delta);
    }
}

void ResultGrid::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    if (rows == rowCount())
        return;
    Rows &own = ownRows();
    if (rows < rowCount()) {
        own.start.resize(static_cast<size_t>(rows) + 1);
        own.text.resize(own.start.back());
    } else {
        own.start.resize(static_cast<size_t>(rows) + 1, own.start.back());
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
    Rows repacked{{}, {0}};
    repacked.start.reserve(m_rows->start.size());
    for (int row = 0; row < rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column)
            cells.emplace_back(cell(column, row));
        const int saved = m_columnCount;
        m_columnCount = columns;
        repacked.text += packRow(cells);
        m_columnCount = saved;
        repacked.start.push_back(repacked.text.size());
    }
    m_columnCount = columns;
    m_rows = std::make_shared<Rows>(std::move(repacked));
}

std::size_t ResultGrid::memoryUsed() const
{
    return m_rows->text.capacity() + m_rows->start.capacity() * sizeof(std::uint64_t);
}

bool operator==(const ResultGrid &a, const ResultGrid &b)
{
    // Rows are packed the one way their cells allow, so equal cells are
    // equal bytes.
    return a.m_columnCount == b.m_columnCount
           && (a.m_rows == b.m_rows
               || (a.m_rows->start == b.m_rows->start && a.m_rows->text == b.m_rows->text));
}

bool fitsBetSize(const ResultGrid &grid, int count)
{
    return !grid.hasBets() || grid.columnCount() == count + 1;
}

int resultColumnWidth(int gridWidth, int numberCount)
{
    return (gridWidth - 20) / (numberCount + 1);
}

std::vector<std::string> resultHeadings(const Lottery &lottery)
{
    std::vector<std::string> headings{"序号"};
    for (int k = 1; k <= lottery.count; ++k)
        headings.push_back("号码" + std::to_string(k));
    // A lone back number is headed by the zone's name (蓝球), several by the
    // name and their place (后区1, 后区2).
    for (int k = 1; k <= lottery.backCount; ++k)
        headings.push_back(lottery.backCount == 1 ? lottery.backName : lottery.backName + std::to_string(k));
    return headings;
}

#include "results/result_grid.h"

#include <algorithm>
#include <utility>

namespace {

std::vector<std::string_view> views(const std::vector<std::string> &texts)
{
    return {texts.begin(), texts.end()};
}

// Appends cells 0 … count − 1 (at most `columns` of them) to `text`, joined by
// NUL. Trailing empty cells need not be kept: a missing cell reads as empty.
template<typename CellAt>
void packCells(size_t count, const CellAt &cellAt, int columns, std::string &text)
{
    size_t used = std::min(count, static_cast<size_t>(columns));
    while (used > 0 && cellAt(used - 1).empty())
        --used;
    // Sized once and filled byte by byte: a million rows of a file pass
    // through here.
    size_t room = used;
    for (size_t i = 0; i < used; ++i)
        room += cellAt(i).size();
    const size_t start = text.size();
    text.resize(start + room);
    char *out = text.data() + start;
    for (size_t i = 0; i < used; ++i) {
        if (i > 0)
            *out++ = '\0';
        // A NUL inside a cell would split it; cells never hold one.
        for (const char c : cellAt(i)) {
            if (c == '\0')
                break;
            *out++ = c;
        }
    }
    text.resize(static_cast<size_t>(out - text.data()));
}

} // namespace

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

void ResultGrid::packRow(std::span<const std::string_view> cells, std::string &text) const
{
    packCells(
        cells.size(), [&](size_t i) { return cells[i]; }, m_columnCount, text);
}

std::string_view ResultGrid::packedRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const std::vector<std::uint64_t> &start = m_rows->start;
    return {m_rows->text.data() + start[static_cast<size_t>(row)],
            start[static_cast<size_t>(row) + 1] - start[static_cast<size_t>(row)]};
}

void ResultGrid::appendBet(const Lottery &lottery, const std::vector<std::string> &numbers)
{
    appendBet(lottery, views(numbers));
}

void ResultGrid::appendBet(const Lottery &lottery, std::span<const std::string_view> numbers)
{
    const std::vector<std::string> header = resultHeadings(lottery);
    setColumnCount(static_cast<int>(header.size()));
    // Rewriting row 0 moves every row behind it, so it is written only when
    // it differs (the first bet after a clear, a load or a change of count).
    bool same = true;
    for (int k = 0; k < m_columnCount && same; ++k)
        same = cell(k, 0) == header[static_cast<size_t>(k)];
    if (!same) {
        setRow(0, header);
    }
    if (!cell(0, 1).empty())
        setRowCount(rowCount() + 1);
    // The bet goes into the last row: its old cells are cut off the end of
    // the text and the new ones appended, without a list of cells.
    const int row = rowCount() - 1;
    const std::string number = std::to_string(row);
    Rows &rows = ownRows();
    rows.text.resize(rows.start[static_cast<size_t>(row)]);
    packCells(
        numbers.size() + 1, [&](size_t i) { return i == 0 ? std::string_view(number) : numbers[i - 1]; },
        m_columnCount, rows.text);
    rows.start.back() = rows.text.size();
}

void ResultGrid::appendRow(const std::vector<std::string> &cells)
{
    appendRow(views(cells));
}

void ResultGrid::appendRow(std::span<const std::string_view> cells)
{
    Rows &rows = ownRows();
    packRow(cells, rows.text);
    rows.start.push_back(rows.text.size());
}

void ResultGrid::appendPackedRow(std::string_view packed)
{
    Rows &rows = ownRows();
    rows.text.append(packed);
    rows.start.push_back(rows.text.size());
}

void ResultGrid::setRow(int row, const std::vector<std::string> &cells)
{
    setRow(row, views(cells));
}

void ResultGrid::setRow(int row, std::span<const std::string_view> cells)
{
    if (row < 0 || row >= rowCount())
        return;
    std::string packed;
    packRow(cells, packed);
    Rows &rows = ownRows();
    const std::uint64_t start = rows.start[static_cast<size_t>(row)];
    const std::uint64_t oldLength = rows.start[static_cast<size_t>(row) + 1] - start;
    rows.text.replace(start, oldLength, packed);
    const std::int64_t delta
        = static_cast<std::int64_t>(packed.size()) - static_cast<std::int64_t>(oldLength);
    if (delta != 0) {
        for (size_t i = static_cast<size_t>(row) + 1; i < rows.start.size(); ++i)
            rows.start[i] = static_cast<std::uint64_t>(static_cast<std::int64_t>(rows.start[i]) + delta);
    }
}

void ResultGrid::reserve(std::size_t rows, std::size_t textBytes)
{
    Rows &own = ownRows();
    own.start.reserve(own.start.size() + rows);
    own.text.reserve(own.text.size() + textBytes);
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
    std::vector<std::string_view> cells;
    for (int row = 0; row < rowCount(); ++row) {
        cells.clear();
        for (int column = 0; column < columns; ++column)
            cells.push_back(cell(column, row));
        const int saved = m_columnCount;
        m_columnCount = columns;
        packRow(cells, repacked.text);
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

#include "app/filters/grid_filter.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// A cell of one or two digits; -1 for anything else.
int numberOf(std::string_view cell)
{
    if (cell.empty() || cell.size() > 2)
        return -1;
    int value = 0;
    for (const char c : cell) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Reads one packed row into `out`; false when it is no bet of the lottery.
bool readRow(std::string_view packed, const Lottery &lottery, std::vector<int> &out)
{
    const LotteryZone front = lottery.front();
    const LotteryZone back = lottery.back();
    const size_t first = out.size();
    size_t at = packed.find('\0');
    int index = 0;
    while (at != std::string_view::npos) {
        const size_t end = packed.find('\0', at + 1);
        const std::string_view cell
            = packed.substr(at + 1, end == std::string_view::npos ? std::string_view::npos : end - at - 1);
        const LotteryZone &zone = index < lottery.count ? front : back;
        const int value = numberOf(cell);
        if (index >= lottery.numberCount() || value < zone.lowest() || value > zone.highest())
            return false;
        out.push_back(value);
        ++index;
        at = end;
    }
    if (index != lottery.numberCount())
        return false;
    if (lottery.isLotto()) {
        const auto begin = out.begin() + static_cast<std::ptrdiff_t>(first);
        std::sort(begin, begin + lottery.count);
        if (std::adjacent_find(begin, begin + lottery.count) != begin + lottery.count)
            return false;
    }
    return true;
}

} // namespace

GridBets readGridBets(const ResultGrid &grid, const Lottery &lottery)
{
    GridBets bets;
    if (!grid.hasBets())
        return bets;
    bets.numbers.reserve(static_cast<size_t>(grid.rowCount()) * static_cast<size_t>(lottery.numberCount()));
    bets.rows.reserve(static_cast<size_t>(grid.rowCount()));
    for (int row = 1; row < grid.rowCount(); ++row) {
        const size_t size = bets.numbers.size();
        if (readRow(grid.packedRow(row), lottery, bets.numbers)) {
            bets.rows.push_back(row);
        } else {
            bets.numbers.resize(size);
            bets.others.push_back(row);
        }
    }
    return bets;
}

ResultGrid keptGrid(const ResultGrid &grid, const GridBets &bets, std::span<const std::uint32_t> kept)
{
    std::vector<int> rows;
    rows.reserve(kept.size() + bets.others.size());
    for (const std::uint32_t place : kept)
        rows.push_back(bets.rows[place]);
    rows.insert(rows.end(), bets.others.begin(), bets.others.end());
    std::sort(rows.begin(), rows.end());

    ResultGrid result;
    result.setColumnCount(grid.columnCount());
    result.setRowCount(1);
    std::vector<std::string_view> header;
    const std::string_view headerRow = grid.packedRow(0);
    for (size_t at = 0; at <= headerRow.size();) {
        const size_t end = std::min(headerRow.find('\0', at), headerRow.size());
        header.push_back(headerRow.substr(at, end - at));
        at = end + 1;
    }
    result.setRow(0, header);
    result.reserve(rows.size(), 0);
    std::string packed;
    int number = 0;
    for (const int row : rows) {
        const std::string_view old = grid.packedRow(row);
        const size_t cells = old.find('\0');
        packed = std::to_string(++number);
        if (cells != std::string_view::npos)
            packed.append(old.substr(cells));
        result.appendPackedRow(packed);
    }
    return result;
}

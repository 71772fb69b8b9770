#pragma once

#include "history/draw.h"

#include <cstdint>
#include <string>
#include <vector>

// The figures of the trend chart (走势图) and of the statistics, worked out
// here so that a view only paints them.

// A group of the chart's columns: every number of a Lotto zone, or the
// digits of one position of a Digit zone.
struct ChartGroup
{
    std::string label; // "号码", "蓝球", "百位", "第1位"
    bool back = false;
    int position = -1; // the position in a Digit zone, -1 for a Lotto zone
    int low = 0;
    int high = 0;
};

std::vector<ChartGroup> chartGroups(const DrawShape &shape);

// The figures of one set of front numbers: 和值, 跨度, 奇偶比, 大小比. A
// number is big in the upper half of its range (17–33 of 1–33, 5–9 of 0–9).
struct DrawFigures
{
    int sum = 0;
    int span = 0;
    int odd = 0;
    int even = 0;
    int big = 0;
    int small = 0;

    std::string oddEven() const { return std::to_string(odd) + ":" + std::to_string(even); }
    std::string bigSmall() const { return std::to_string(big) + ":" + std::to_string(small); }
};

DrawFigures figuresOf(const std::vector<int> &numbers, const DrawZone &zone);

// The rows under the chart, over the draws shown.
struct ColumnStats
{
    int appearances = 0; // 出现次数
    int currentMiss = 0; // 当前遗漏: the 遗漏 after the newest draw shown
    int averageMiss = 0; // 平均遗漏: draws without it / (appearances + 1), rounded down
    // 最大遗漏: the largest 遗漏 shown in the column, which counts the draws
    // missed before the first one shown as well
    int longestMiss = 0;
    int longestRun = 0; // 最大连出: most draws in a row that hold it
};

class TrendChart
{
public:
    // `draws` oldest first. The chart shows the last `shown` of them (all
    // when `shown` is 0 or more than there are); 遗漏 counts from the first.
    TrendChart(const std::vector<Draw> &draws, const DrawShape &shape, int shown = 0);

    const std::vector<ChartGroup> &groups() const { return m_groups; }
    int rowCount() const { return m_rows; }
    int columnCount() const { return static_cast<int>(m_columnGroup.size()); }

    int group(int column) const { return m_columnGroup[static_cast<size_t>(column)]; }
    int number(int column) const; // the number (or digit) the column stands for
    const std::string &issue(int row) const { return m_issues[static_cast<size_t>(row)]; }

    // 0 where the draw of `row` holds the column's number; otherwise the
    // draws since that number last came (遗漏), counting from the first
    // draw when it never came.
    int miss(int row, int column) const
    {
        return m_miss[static_cast<size_t>(row) * m_columnGroup.size() + static_cast<size_t>(column)];
    }

    const ColumnStats &stats(int column) const { return m_stats[static_cast<size_t>(column)]; }
    const DrawFigures &figures(int row) const { return m_figures[static_cast<size_t>(row)]; }

    // The columns a bet marks, for the overlay row under the draws.
    std::vector<bool> columnsOf(const std::vector<int> &front, const std::vector<int> &back) const;

private:
    int columnOf(int group, int value) const;
    void markColumns(const std::vector<int> &front, const std::vector<int> &back,
                     std::vector<char> &marked) const;

    std::vector<ChartGroup> m_groups;
    std::vector<int> m_groupStart; // first column of each group
    std::vector<int> m_columnGroup;
    int m_rows = 0;
    std::vector<std::string> m_issues;
    std::vector<std::uint16_t> m_miss; // row-major, capped at 65535
    std::vector<ColumnStats> m_stats;
    std::vector<DrawFigures> m_figures;
};

// The numbers of a group the statistics name hot (came most often in the
// chart's draws) and cold (least often): the `count` first each way and
// every number tied with the last of them, so that equal counts are never
// split; where the two would meet, a number as often as the other side's
// last is neither, so that none is both. Hot most first, cold least first,
// equal counts by number.
struct HotCold
{
    std::vector<int> hot;
    std::vector<int> cold;
    bool hotTied = false; // ties made the list longer than asked for
    bool coldTied = false;
};

HotCold hotAndCold(const TrendChart &chart, int group, int count);

// How the statistics mark a number of the group.
enum class Heat { Plain, Hot, Cold };
Heat heatOf(const HotCold &heat, int number);

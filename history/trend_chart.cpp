#include "history/trend_chart.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

// Positions of a Digit number of up to five places are named by their
// place, as players read them; longer ones are counted.
std::string positionLabel(int position, int count)
{
    static const char *const places[] = {"个位", "十位", "百位", "千位", "万位"};
    if (count <= 5)
        return places[count - 1 - position];
    return "第" + std::to_string(position + 1) + "位";
}

void addZoneGroups(std::vector<ChartGroup> &groups, const DrawZone &zone, bool back)
{
    const std::string name = zone.name.empty() ? "号码" : zone.name;
    if (!zone.digits) {
        groups.push_back({name, back, -1, zone.low, zone.high});
        return;
    }
    for (int position = 0; position < zone.count; ++position) {
        const std::string label = back ? (zone.count == 1 ? name : name + std::to_string(position + 1))
                                       : positionLabel(position, zone.count);
        groups.push_back({label, back, position, zone.low, zone.high});
    }
}

} // namespace

std::vector<ChartGroup> chartGroups(const DrawShape &shape)
{
    std::vector<ChartGroup> groups;
    addZoneGroups(groups, shape.front, false);
    if (shape.back)
        addZoneGroups(groups, *shape.back, true);
    return groups;
}

DrawFigures figuresOf(const std::vector<int> &numbers, const DrawZone &zone)
{
    DrawFigures figures;
    if (numbers.empty())
        return figures;
    figures.sum = std::accumulate(numbers.begin(), numbers.end(), 0);
    const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
    figures.span = *high - *low;
    for (int value : numbers) {
        (value % 2 != 0 ? figures.odd : figures.even) += 1;
        (2 * value > zone.high ? figures.big : figures.small) += 1;
    }
    return figures;
}

TrendChart::TrendChart(const std::vector<Draw> &draws, const DrawShape &shape, int shown)
    : m_groups(chartGroups(shape))
{
    for (size_t g = 0; g < m_groups.size(); ++g) {
        m_groupStart.push_back(static_cast<int>(m_columnGroup.size()));
        m_columnGroup.insert(m_columnGroup.end(), static_cast<size_t>(m_groups[g].high - m_groups[g].low + 1),
                             static_cast<int>(g));
    }
    const int total = static_cast<int>(draws.size());
    m_rows = shown <= 0 || shown > total ? total : shown;
    const int first = total - m_rows;
    const size_t columns = m_columnGroup.size();
    m_miss.assign(static_cast<size_t>(m_rows) * columns, 0);
    m_stats.assign(columns, {});
    m_issues.reserve(static_cast<size_t>(m_rows));
    m_figures.reserve(static_cast<size_t>(m_rows));

    std::vector<int> lastHit(columns, -1);
    std::vector<int> run(columns, 0);
    std::vector<char> hit(columns, 0);
    for (int i = 0; i < total; ++i) {
        const Draw &draw = draws[static_cast<size_t>(i)];
        markColumns(draw.front, draw.back, hit);
        const bool isShown = i >= first;
        std::uint16_t *row = isShown ? &m_miss[static_cast<size_t>(i - first) * columns] : nullptr;
        for (size_t c = 0; c < columns; ++c) {
            if (hit[c])
                lastHit[c] = i;
            if (!isShown)
                continue;
            const int miss = hit[c] ? 0 : i - lastHit[c];
            row[c]
                = static_cast<std::uint16_t>(std::min(miss, int{std::numeric_limits<std::uint16_t>::max()}));
            ColumnStats &stats = m_stats[c];
            run[c] = hit[c] ? run[c] + 1 : 0;
            stats.appearances += hit[c];
            stats.longestRun = std::max(stats.longestRun, run[c]);
            stats.longestMiss = std::max(stats.longestMiss, int{row[c]});
        }
        if (isShown) {
            m_issues.push_back(draw.issue);
            m_figures.push_back(figuresOf(draw.front, shape.front));
        }
    }
    for (size_t c = 0; c < columns; ++c) {
        ColumnStats &stats = m_stats[c];
        stats.averageMiss = (m_rows - stats.appearances) / (stats.appearances + 1);
        if (m_rows > 0)
            stats.currentMiss = miss(m_rows - 1, static_cast<int>(c));
    }
}

int TrendChart::columnOf(int group, int value) const
{
    const ChartGroup &g = m_groups[static_cast<size_t>(group)];
    if (value < g.low || value > g.high)
        return -1;
    return m_groupStart[static_cast<size_t>(group)] + value - g.low;
}

int TrendChart::number(int column) const
{
    const int g = group(column);
    return m_groups[static_cast<size_t>(g)].low + column - m_groupStart[static_cast<size_t>(g)];
}

void TrendChart::markColumns(const std::vector<int> &front, const std::vector<int> &back,
                             std::vector<char> &marked) const
{
    marked.assign(m_columnGroup.size(), 0);
    for (size_t g = 0; g < m_groups.size(); ++g) {
        const ChartGroup &group = m_groups[g];
        const std::vector<int> &zone = group.back ? back : front;
        for (size_t k = 0; k < zone.size(); ++k) {
            if (group.position >= 0 && group.position != static_cast<int>(k))
                continue;
            const int column = columnOf(static_cast<int>(g), zone[k]);
            if (column >= 0)
                marked[static_cast<size_t>(column)] = 1;
        }
    }
}

std::vector<bool> TrendChart::columnsOf(const std::vector<int> &front, const std::vector<int> &back) const
{
    std::vector<char> marked;
    markColumns(front, back, marked);
    return std::vector<bool>(marked.begin(), marked.end());
}

HotCold hotAndCold(const TrendChart &chart, int group, int count)
{
    std::vector<int> columns;
    for (int c = 0; c < chart.columnCount(); ++c) {
        if (chart.group(c) == group)
            columns.push_back(c);
    }
    HotCold heat;
    const size_t wanted = std::min(columns.size(), static_cast<size_t>(std::max(count, 0)));
    if (wanted == 0)
        return heat;
    const auto appearances = [&](int column) { return chart.stats(column).appearances; };
    std::vector<int> most = columns;
    std::stable_sort(most.begin(), most.end(), [&](int a, int b) { return appearances(a) > appearances(b); });
    std::vector<int> least = columns;
    std::stable_sort(least.begin(), least.end(),
                     [&](int a, int b) { return appearances(a) < appearances(b); });
    // The counts the lists reach down (or up) to, ties included.
    int hotFloor = appearances(most[wanted - 1]);
    int coldCeiling = appearances(least[wanted - 1]);
    if (hotFloor <= coldCeiling) {
        // The lists would share the numbers between the two counts.
        const int meet = coldCeiling;
        coldCeiling = hotFloor - 1;
        hotFloor = meet + 1;
    }
    for (int column : most) {
        if (appearances(column) >= hotFloor)
            heat.hot.push_back(chart.number(column));
    }
    for (int column : least) {
        if (appearances(column) <= coldCeiling)
            heat.cold.push_back(chart.number(column));
    }
    heat.hotTied = heat.hot.size() > wanted;
    heat.coldTied = heat.cold.size() > wanted;
    return heat;
}

Heat heatOf(const HotCold &heat, int number)
{
    const auto among = [number](const std::vector<int> &list) {
        return std::find(list.begin(), list.end(), number) != list.end();
    };
    return among(heat.hot) ? Heat::Hot : among(heat.cold) ? Heat::Cold : Heat::Plain;
}

#include "filters/stat_choices.h"

#include <algorithm>

namespace {

bool isBackStat(FilterStat stat)
{
    return stat == FilterStat::BackOddEven || stat == FilterStat::BackBigSmall;
}

std::vector<std::int64_t> span(std::int64_t low, std::int64_t high)
{
    std::vector<std::int64_t> values;
    values.reserve(static_cast<size_t>(std::max<std::int64_t>(high - low + 1, 0)));
    for (std::int64_t v = low; v <= high; ++v)
        values.push_back(v);
    return values;
}

// How many numbers of the pool fall in each part of the ratio: each number
// alone as a bet puts its 1 in its own part, so the classes are exactly
// those of StatMaker.
std::vector<int> classSizes(FilterStat stat, const LotteryZone &zone, const StatMaker &maker)
{
    std::vector<int> sizes;
    const LastDraw none;
    for (int n = zone.lowest(); n <= zone.highest(); ++n) {
        const int one[] = {n};
        const BetStats stats = isBackStat(stat) ? maker.stats({}, one, none) : maker.stats(one, {}, none);
        const std::vector<int> counts = ratioCounts(stats[stat]);
        sizes.resize(counts.size());
        for (size_t i = 0; i < counts.size(); ++i)
            sizes[i] += counts[i];
    }
    return sizes;
}

// Every way of sharing `count` numbers among the classes, the first class's
// share largest first; a class gives no more numbers than it holds (a Lotto
// bet's numbers are distinct) and none when it is empty.
void ratios(const std::vector<int> &sizes, bool distinct, std::vector<int> &counts, size_t at, int left,
            std::vector<std::int64_t> &keys)
{
    const int room = sizes[at] == 0 ? 0 : distinct ? sizes[at] : left;
    if (at + 1 == sizes.size()) {
        if (left <= room) {
            counts[at] = left;
            keys.push_back(ratioKey(counts));
        }
        return;
    }
    for (int c = std::min(left, room); c >= 0; --c) {
        counts[at] = c;
        ratios(sizes, distinct, counts, at + 1, left - c, keys);
    }
}

// The least and the most of the tails of `count` distinct numbers of the
// pool, and of how many distinct tails they can have.
struct TailBounds
{
    int leastSum = 0;
    int mostSum = 0;
    int fewest = 0;
    int most = 0;
};

TailBounds tailBounds(const LotteryZone &zone, int count)
{
    std::vector<int> tails;
    std::vector<int> perTail(10, 0);
    for (int n = zone.lowest(); n <= zone.highest(); ++n) {
        tails.push_back(n % 10);
        ++perTail[static_cast<size_t>(n % 10)];
    }
    std::sort(tails.begin(), tails.end());
    std::sort(perTail.rbegin(), perTail.rend());
    TailBounds bounds;
    const size_t k = std::min(tails.size(), static_cast<size_t>(count));
    for (size_t i = 0; i < k; ++i) {
        bounds.leastSum += tails[i];
        bounds.mostSum += tails[tails.size() - 1 - i];
    }
    for (int taken = 0; taken < count && bounds.fewest < 10; ++bounds.fewest)
        taken += perTail[static_cast<size_t>(bounds.fewest)];
    bounds.most
        = static_cast<int>(std::count_if(perTail.begin(), perTail.end(), [](int c) { return c > 0; }));
    bounds.most = std::min(bounds.most, count);
    return bounds;
}

} // namespace

std::vector<std::int64_t> statChoices(FilterStat stat, const Lottery &lottery,
                                      const FilterConventions &conventions)
{
    const bool back = isBackStat(stat);
    if (lottery.problem() || (back && !lottery.hasBack()))
        return {};
    const LotteryZone zone = back ? lottery.back() : lottery.front();
    const int k = zone.count;
    const int n = zone.total;
    const bool distinct = zone.isLotto();
    if (isRatio(stat)) {
        const StatMaker maker(lottery, conventions);
        const std::vector<int> sizes = classSizes(stat, zone, maker);
        std::vector<int> counts(sizes.size());
        std::vector<std::int64_t> keys;
        ratios(sizes, distinct, counts, 0, k, keys);
        return keys;
    }
    const int lowest = zone.lowest();
    const int highest = zone.highest();
    using enum FilterStat;
    switch (stat) {
    case Sum:
        if (!distinct)
            return span(std::int64_t{k} * lowest, std::int64_t{k} * highest);
        return span(std::int64_t{k} * lowest + k * (k - 1) / 2, std::int64_t{k} * highest - k * (k - 1) / 2);
    case Span:
        return span(distinct ? k - 1 : 0, k > 1 ? n - 1 : 0);
    case Consecutive: {
        const int numbers = std::min(k, n);
        // Between bet numbers that are not neighbours lies at least one number not bet.
        return span(distinct ? std::max(0, 2 * k - n - 1) : 0, numbers - 1);
    }
    case Ac: {
        const int numbers = std::min(k, n);
        const int differences = std::min(numbers * (numbers - 1) / 2, n - 1);
        return span(0, std::max(0, differences - (numbers - 1)));
    }
    case DistinctTails:
    case TailSum: {
        if (!distinct)
            return stat == TailSum
                       ? span(std::int64_t{k} * (lowest % 10), std::int64_t{k} * std::min(9, highest))
                       : span(1, std::min({k, n, 10}));
        const TailBounds bounds = tailBounds(zone, k);
        return stat == TailSum ? span(bounds.leastSum, bounds.mostSum) : span(bounds.fewest, bounds.most);
    }
    case Repeats:
    case Neighbours:
        return span(0, k);
    default:
        return {};
    }
}

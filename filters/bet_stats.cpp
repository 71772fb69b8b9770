#include "filters/bet_stats.h"

#include "base/two_digit.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kPartBits = 6;
constexpr std::int64_t kPartMask = (1 << kPartBits) - 1;
constexpr int kMaxParts = 8;
constexpr int kPartsShift = 56;

bool isPrime(int n, bool onePrime)
{
    if (n == 1)
        return onePrime;
    if (n < 2)
        return false;
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0)
            return false;
    }
    return true;
}

std::uint16_t flagsOf(int n, bool big, bool prime, int zone)
{
    return static_cast<std::uint16_t>((n % 2) | (big ? 2 : 0) | (prime ? 4 : 0) | (n % 3) << 3 | zone << 5
                                      | (n % 10) << 8);
}

// Counts of the odd and big numbers among `numbers` as the two ratios.
void countZone(std::span<const int> numbers, const std::array<std::uint16_t, 128> &flags, int &odd, int &big)
{
    odd = 0;
    big = 0;
    for (int n : numbers) {
        const std::uint16_t f = flags[static_cast<size_t>(n & 127)];
        odd += f & 1;
        big += f >> 1 & 1;
    }
}

} // namespace

std::string statName(FilterStat stat)
{
    static const char *const names[kFilterStatCount]
        = {"和值",     "跨度",   "奇偶比", "大小比", "质合比", "连号",       "AC值",      "012路比",
           "尾数个数", "尾数和", "区间比", "重号",   "邻号",   "后区奇偶比", "后区大小比"};
    return names[static_cast<int>(stat)];
}

bool isRatio(FilterStat stat)
{
    switch (stat) {
    case FilterStat::OddEven:
    case FilterStat::BigSmall:
    case FilterStat::PrimeComposite:
    case FilterStat::Road012:
    case FilterStat::Zones:
    case FilterStat::BackOddEven:
    case FilterStat::BackBigSmall:
        return true;
    default:
        return false;
    }
}

bool needsLastDraw(FilterStat stat)
{
    return stat == FilterStat::Repeats || stat == FilterStat::Neighbours;
}

FilterConventions FilterConventions::defaultsFor(const Lottery &lottery)
{
    FilterConventions conventions;
    const int lowest = lottery.front().lowest();
    conventions.smallUpTo = lowest + lottery.total / 2 - 1;
    conventions.backSmallUpTo = lottery.back().lowest() + lottery.backTotal / 2 - 1;
    const int zones = std::min(3, lottery.total);
    int end = lowest - 1;
    int left = lottery.total;
    for (int z = 0; z + 1 < zones; ++z) {
        const int size = (left + zones - z - 1) / (zones - z);
        end += size;
        left -= size;
        conventions.zoneEnds.push_back(end);
    }
    return conventions;
}

std::string conventionsText(const Lottery &lottery, const FilterConventions &conventions)
{
    const auto number = [&](int n) { return lottery.isLotto() ? twoDigit(n) : std::to_string(n); };
    const auto range = [&](int from, int to) { return number(from) + "–" + number(to); };
    const LotteryZone front = lottery.front();
    std::string text = lottery.isLotto() ? (conventions.onePrime ? "01算质数" : "01不算质数")
                                         : (conventions.onePrime ? "1算质数" : "1不算质数");
    text += "；小" + range(front.lowest(), conventions.smallUpTo) + " 大"
            + range(conventions.smallUpTo + 1, front.highest()) + "；区间";
    int from = front.lowest();
    for (int end : conventions.zoneEnds) {
        text += (from == front.lowest() ? "" : " ") + range(from, end);
        from = end + 1;
    }
    text += (from == front.lowest() ? "" : " ") + range(from, front.highest());
    if (lottery.hasBack()) {
        const LotteryZone back = lottery.back();
        text += "；" + lottery.backName + "小" + range(back.lowest(), conventions.backSmallUpTo) + " 大"
                + range(conventions.backSmallUpTo + 1, back.highest());
    }
    if (conventions.repeatIsNeighbour)
        text += "；重号也算邻号";
    return text;
}

std::int64_t ratioKey(std::span<const int> counts)
{
    std::int64_t key = static_cast<std::int64_t>(counts.size()) << kPartsShift;
    for (size_t i = 0; i < counts.size() && i < kMaxParts; ++i)
        key |= (std::clamp(counts[i], 0, static_cast<int>(kPartMask)) & kPartMask) << (kPartBits * i);
    return key;
}

std::int64_t ratioKey(std::initializer_list<int> counts)
{
    return ratioKey(std::span<const int>(counts.begin(), counts.size()));
}

std::vector<int> ratioCounts(std::int64_t key)
{
    const int parts = std::min(static_cast<int>(key >> kPartsShift), kMaxParts);
    std::vector<int> counts(static_cast<size_t>(std::max(parts, 0)));
    for (size_t i = 0; i < counts.size(); ++i)
        counts[i] = static_cast<int>(key >> (kPartBits * i) & kPartMask);
    return counts;
}

std::string statValueText(FilterStat stat, std::int64_t value)
{
    if (!isRatio(stat))
        return std::to_string(value);
    std::string text;
    for (int count : ratioCounts(value))
        text += (text.empty() ? "" : ":") + std::to_string(count);
    return text;
}

void NumberMask::add(int number)
{
    if (number >= 0 && number < 64)
        low |= std::uint64_t{1} << number;
    else if (number >= 64 && number < 128)
        high |= std::uint64_t{1} << (number - 64);
}

bool NumberMask::has(int number) const
{
    if (number >= 0 && number < 64)
        return (low >> number & 1) != 0;
    if (number >= 64 && number < 128)
        return (high >> (number - 64) & 1) != 0;
    return false;
}

int NumberMask::count() const
{
    return std::popcount(low) + std::popcount(high);
}

NumberMask NumberMask::shiftedDown(int by) const
{
    if (by <= 0)
        return *this;
    if (by >= 64)
        return {by >= 128 ? 0 : high >> (by - 64), 0};
    return {low >> by | high << (64 - by), high >> by};
}

NumberMask NumberMask::of(std::span<const int> numbers)
{
    NumberMask mask;
    for (int n : numbers)
        mask.add(n);
    return mask;
}

LastDraw LastDraw::of(std::span<const int> front, const FilterConventions &conventions, int lowest,
                      int highest)
{
    LastDraw last;
    last.numbers = NumberMask::of(front);
    for (int n : front) {
        // The pool does not wrap: 01 and 33 are no neighbours.
        if (n - 1 >= lowest)
            last.neighbours.add(n - 1);
        if (n + 1 <= highest)
            last.neighbours.add(n + 1);
    }
    if (!conventions.repeatIsNeighbour)
        last.neighbours = last.neighbours & ~last.numbers;
    return last;
}

StatMaker::StatMaker(const Lottery &lottery, const FilterConventions &conventions)
    : m_conventions(conventions)
    , m_zones(static_cast<int>(std::min<size_t>(conventions.zoneEnds.size(), kMaxParts - 1)) + 1)
    , m_lowest(lottery.front().lowest())
    , m_highest(lottery.front().highest())
{
    for (int n = 0; n < 128; ++n) {
        int zone = 0;
        while (zone + 1 < m_zones && n > conventions.zoneEnds[static_cast<size_t>(zone)])
            ++zone;
        m_front[static_cast<size_t>(n)]
            = flagsOf(n, n > conventions.smallUpTo, isPrime(n, conventions.onePrime), zone);
        m_back[static_cast<size_t>(n)] = flagsOf(n, n > conventions.backSmallUpTo, false, 0);
    }
}

BetStats StatMaker::stats(std::span<const int> front, std::span<const int> back, const LastDraw &last) const
{
    BetStats result;
    auto &s = result.values;
    int sum = 0, odd = 0, big = 0, prime = 0, tailSum = 0;
    int road[3] = {0, 0, 0};
    int zones[kMaxParts] = {};
    unsigned tails = 0;
    int least = 127, most = 0;
    NumberMask mask;
    for (int n : front) {
        const std::uint16_t f = m_front[static_cast<size_t>(n & 127)];
        sum += n;
        least = std::min(least, n);
        most = std::max(most, n);
        odd += f & 1;
        big += f >> 1 & 1;
        prime += f >> 2 & 1;
        ++road[f >> 3 & 3];
        ++zones[f >> 5 & 7];
        tails |= 1u << (f >> 8);
        tailSum += f >> 8;
        mask.add(n);
    }
    const int k = static_cast<int>(front.size());
    using enum FilterStat;
    s[static_cast<int>(Sum)] = sum;
    s[static_cast<int>(Span)] = k == 0 ? 0 : most - least;
    s[static_cast<int>(OddEven)] = ratioKey({odd, k - odd});
    s[static_cast<int>(BigSmall)] = ratioKey({big, k - big});
    s[static_cast<int>(PrimeComposite)] = ratioKey({prime, k - prime});
    s[static_cast<int>(Consecutive)] = (mask & mask.shiftedDown(1)).count();
    // The distinct differences are the union of the bet shifted down by each
    // of its numbers, less the difference 0.
    NumberMask differences;
    for (int n : front)
        differences = differences | mask.shiftedDown(n);
    differences.low &= ~std::uint64_t{1};
    const int distinct = mask.count();
    s[static_cast<int>(Ac)] = distinct == 0 ? 0 : differences.count() - (distinct - 1);
    s[static_cast<int>(Road012)] = ratioKey({road[0], road[1], road[2]});
    s[static_cast<int>(DistinctTails)] = std::popcount(tails);
    s[static_cast<int>(TailSum)] = tailSum;
    s[static_cast<int>(Zones)] = ratioKey(std::span<const int>(zones, static_cast<size_t>(m_zones)));
    s[static_cast<int>(Repeats)] = (mask & last.numbers).count();
    s[static_cast<int>(Neighbours)] = (mask & last.neighbours).count();
    const int b = static_cast<int>(back.size());
    int backOdd = 0, backBig = 0;
    countZone(back, m_back, backOdd, backBig);
    s[static_cast<int>(BackOddEven)] = ratioKey({backOdd, b - backOdd});
    s[static_cast<int>(BackBigSmall)] = ratioKey({backBig, b - backBig});
    result.front = mask;
    result.back = NumberMask::of(back);
    return result;
}

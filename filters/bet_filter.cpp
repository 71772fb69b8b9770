#include "filters/bet_filter.h"

#include "base/two_digit.h"

#include <algorithm>

namespace {

bool isBackStat(FilterStat stat)
{
    return stat == FilterStat::BackOddEven || stat == FilterStat::BackBigSmall;
}

// How a number of a zone is written in a message: two digits in a Lotto zone.
std::string numberText(const LotteryZone &zone, int number)
{
    return zone.isLotto() ? twoDigit(number) : std::to_string(number);
}

Check outsidePool(const std::string &what, const std::vector<int> &numbers, const LotteryZone &zone)
{
    for (int n : numbers) {
        if (n < zone.lowest() || n > zone.highest())
            return Refusal{what + "“" + std::to_string(n) + "”不在" + std::to_string(zone.lowest()) + "到"
                           + std::to_string(zone.highest()) + "之间"};
    }
    return std::nullopt;
}

// How many parts a ratio of this statistic has.
int partsOf(FilterStat stat, const FilterConventions &conventions)
{
    if (stat == FilterStat::Road012)
        return 3;
    if (stat == FilterStat::Zones)
        return static_cast<int>(conventions.zoneEnds.size()) + 1;
    return 2;
}

Check conditionProblem(const ValueCondition &condition, const Lottery &lottery,
                       const FilterConventions &conventions, bool haveLastDraw)
{
    const std::string name = statName(condition.stat);
    if (isBackStat(condition.stat) && !lottery.hasBack())
        return Refusal{"本彩票没有后区，不能按" + name + "缩水"};
    if (needsLastDraw(condition.stat) && !haveLastDraw)
        return Refusal{"没有上期开奖号码，不能按" + name + "缩水"};
    if (condition.isRange) {
        if (isRatio(condition.stat))
            return Refusal{name + "请逐个选择比值"};
        if (condition.low > condition.high)
            return Refusal{name + "的下限" + std::to_string(condition.low) + "大于上限"
                           + std::to_string(condition.high)};
        return std::nullopt;
    }
    if (condition.values.empty())
        return Refusal{name + "一个值也没有选"};
    if (!isRatio(condition.stat))
        return std::nullopt;
    const int parts = partsOf(condition.stat, conventions);
    const int numbers = isBackStat(condition.stat) ? lottery.backCount : lottery.count;
    for (std::int64_t key : condition.values) {
        const std::vector<int> counts = ratioCounts(key);
        int total = 0;
        for (int c : counts)
            total += c;
        if (static_cast<int>(counts.size()) != parts || total != numbers)
            return Refusal{name + "“" + statValueText(condition.stat, key) + "”不合每注"
                           + std::to_string(numbers) + "个号码、" + std::to_string(parts) + "项的比值"};
    }
    return std::nullopt;
}

Check settingsProblem(const Lottery &lottery, const FilterSettings &settings)
{
    if (Check problem = lottery.problem())
        return problem;
    const LotteryZone front = lottery.front();
    const FilterConventions &conventions = settings.conventions;
    if (conventions.zoneEnds.size() > 7)
        return Refusal{"区间最多分8个"};
    int previous = front.lowest() - 1;
    for (int end : conventions.zoneEnds) {
        if (end <= previous || end >= front.highest())
            return Refusal{"区间的分界应从小到大，在" + std::to_string(front.lowest()) + "到"
                           + std::to_string(front.highest()) + "之间"};
        previous = end;
    }
    if (Check problem = outsidePool("胆码", settings.must, front))
        return problem;
    if (Check problem = outsidePool("杀号", settings.kill, front))
        return problem;
    if (Check problem = outsidePool("上期开奖号码", settings.lastDraw, front))
        return problem;
    if (!settings.backKill.empty() && !lottery.hasBack())
        return Refusal{"本彩票没有后区，不能杀后区号码"};
    if (Check problem = outsidePool(lottery.backName + "杀号", settings.backKill, lottery.back()))
        return problem;
    for (int n : settings.must) {
        if (std::find(settings.kill.begin(), settings.kill.end(), n) != settings.kill.end())
            return Refusal{"“" + numberText(front, n) + "”既是胆码又是杀号"};
    }
    const NumberMask must = NumberMask::of(settings.must);
    if (lottery.isLotto() && must.count() > lottery.count)
        return Refusal{"胆码有" + std::to_string(must.count()) + "个，多于每注的"
                       + std::to_string(lottery.count) + "个号码"};
    if (lottery.isLotto() && lottery.total - NumberMask::of(settings.kill).count() < lottery.count)
        return Refusal{"杀号后剩下的号码不够一注"};
    if (lottery.isLotto() && lottery.hasBack()
        && lottery.backTotal - NumberMask::of(settings.backKill).count() < lottery.backCount)
        return Refusal{"杀号后剩下的" + lottery.backName + "号码不够一注"};
    for (const ValueCondition &condition : settings.conditions) {
        if (Check problem = conditionProblem(condition, lottery, conventions, !settings.lastDraw.empty()))
            return problem;
    }
    return std::nullopt;
}

} // namespace

ValueCondition ValueCondition::between(FilterStat stat, std::int64_t low, std::int64_t high)
{
    ValueCondition condition;
    condition.stat = stat;
    condition.isRange = true;
    condition.low = low;
    condition.high = high;
    return condition;
}

ValueCondition ValueCondition::oneOf(FilterStat stat, std::vector<std::int64_t> values)
{
    ValueCondition condition;
    condition.stat = stat;
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    condition.values = std::move(values);
    return condition;
}

bool ValueCondition::allows(std::int64_t value) const
{
    if (isRange)
        return value >= low && value <= high;
    return std::binary_search(values.begin(), values.end(), value);
}

Outcome<BetFilter> BetFilter::make(const Lottery &lottery, const FilterSettings &settings)
{
    if (Check problem = settingsProblem(lottery, settings))
        return *problem;
    return BetFilter(lottery, settings);
}

BetFilter::BetFilter(const Lottery &lottery, const FilterSettings &settings)
    : m_lottery(lottery)
    , m_maker(lottery, settings.conventions)
    , m_last(LastDraw::of(settings.lastDraw, settings.conventions, lottery.front().lowest(),
                          lottery.front().highest()))
{
    for (ValueCondition condition : settings.conditions) {
        if (!condition.isRange)
            condition = ValueCondition::oneOf(condition.stat, condition.values);
        m_conditions.push_back(std::move(condition));
    }
    if (!settings.must.empty())
        m_setConditions.push_back({SetKind::Must, NumberMask::of(settings.must)});
    if (!settings.kill.empty())
        m_setConditions.push_back({SetKind::Kill, NumberMask::of(settings.kill)});
    if (!settings.backKill.empty())
        m_setConditions.push_back({SetKind::BackKill, NumberMask::of(settings.backKill)});
}

bool BetFilter::meetsSet(const SetCondition &condition, const BetStats &stats)
{
    switch (condition.kind) {
    case SetKind::Must:
        return (stats.front & condition.numbers) == condition.numbers;
    case SetKind::Kill:
        return (stats.front & condition.numbers).empty();
    case SetKind::BackKill:
        return (stats.back & condition.numbers).empty();
    }
    return false;
}

bool BetFilter::passes(FilterBet bet) const
{
    const BetStats stats = m_maker.stats(bet.front, bet.back, m_last);
    for (const SetCondition &condition : m_setConditions) {
        if (!meetsSet(condition, stats))
            return false;
    }
    for (const ValueCondition &condition : m_conditions) {
        if (!condition.allows(stats[condition.stat]))
            return false;
    }
    return true;
}

std::vector<std::uint32_t> BetFilter::kept(std::span<const int> numbers) const
{
    const size_t front = static_cast<size_t>(m_lottery.count);
    const size_t stride = front + static_cast<size_t>(m_lottery.backCount);
    std::vector<std::uint32_t> places;
    const size_t bets = numbers.size() / stride;
    for (size_t i = 0; i < bets; ++i) {
        const std::span<const int> bet = numbers.subspan(i * stride, stride);
        if (passes({bet.first(front), bet.subspan(front)}))
            places.push_back(static_cast<std::uint32_t>(i));
    }
    return places;
}

std::string BetFilter::conditionName(size_t index) const
{
    if (index < m_conditions.size())
        return statName(m_conditions[index].stat);
    switch (m_setConditions[index - m_conditions.size()].kind) {
    case SetKind::Must:
        return "胆码";
    case SetKind::Kill:
        return "杀号";
    case SetKind::BackKill:
        return m_lottery.backName + "杀号";
    }
    return {};
}

bool BetFilter::conditionNeedsLastDraw(size_t index) const
{
    return index < m_conditions.size() && needsLastDraw(m_conditions[index].stat);
}

bool BetFilter::meets(size_t index, FilterBet bet, const LastDraw &last) const
{
    const BetStats stats = m_maker.stats(bet.front, bet.back, last);
    if (index < m_conditions.size())
        return m_conditions[index].allows(stats[m_conditions[index].stat]);
    return meetsSet(m_setConditions[index - m_conditions.size()], stats);
}

// The 缩水 conditions over every bet of a small lottery, counted against
// plain definitions written out here; the settings a filter refuses; the
// past hit rates and the report line.
#include "filters/filter_report.h"
#include "filters/stat_choices.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

// 5 of 16 with 2 of 6 in the back: 65,520 bets, small enough to count.
const Lottery kSmall(Lotto, 16, 5, "后区", 6, 2);
const std::vector<int> kLast = {2, 5, 9, 12, 15};

struct SmallBet
{
    std::vector<int> front;
    std::vector<int> back;
};

std::vector<SmallBet> everyBet()
{
    std::vector<SmallBet> bets;
    std::vector<int> front;
    std::function<void(int)> pick = [&](int from) {
        if (front.size() == 5) {
            for (int a = 1; a <= 6; ++a)
                for (int b = a + 1; b <= 6; ++b)
                    bets.push_back({front, {a, b}});
            return;
        }
        for (int n = from; n <= 16; ++n) {
            front.push_back(n);
            pick(n + 1);
            front.pop_back();
        }
    };
    pick(1);
    return bets;
}

int countIf(const std::vector<int> &numbers, const std::function<bool(int)> &test)
{
    int count = 0;
    for (int n : numbers)
        count += test(n) ? 1 : 0;
    return count;
}

bool has(const std::vector<int> &numbers, int n)
{
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

struct Case
{
    const char *what;
    FilterSettings settings;
    std::function<bool(const SmallBet &)> plain;
};

FilterSettings with(ValueCondition condition)
{
    FilterSettings settings;
    settings.conventions = FilterConventions::defaultsFor(kSmall);
    settings.conditions = {std::move(condition)};
    settings.lastDraw = kLast;
    return settings;
}

std::vector<Case> cases()
{
    using enum FilterStat;
    FilterSettings must = with(ValueCondition::between(Sum, 0, 1000));
    must.must = {5, 11};
    FilterSettings kill = with(ValueCondition::between(Sum, 0, 1000));
    kill.kill = {1, 16};
    kill.backKill = {6};
    const auto sum
        = [](const SmallBet &b) { return b.front[0] + b.front[1] + b.front[2] + b.front[3] + b.front[4]; };
    return {
        {"和值", with(ValueCondition::between(Sum, 38, 47)),
         [&](const SmallBet &b) { return sum(b) >= 38 && sum(b) <= 47; }},
        {"跨度", with(ValueCondition::oneOf(Span, {8, 12})),
         [](const SmallBet &b) { return b.front[4] - b.front[0] == 8 || b.front[4] - b.front[0] == 12; }},
        {"奇偶比", with(ValueCondition::oneOf(OddEven, {ratioKey({2, 3}), ratioKey({3, 2})})),
         [](const SmallBet &b) {
             const int odd = countIf(b.front, [](int n) { return n % 2 == 1; });
             return odd == 2 || odd == 3;
         }},
        {"大小比", with(ValueCondition::oneOf(BigSmall, {ratioKey({4, 1})})),
         [](const SmallBet &b) { return countIf(b.front, [](int n) { return n >= 9; }) == 4; }},
        {"质合比", with(ValueCondition::oneOf(PrimeComposite, {ratioKey({2, 3})})),
         [](const SmallBet &b) {
             const std::set<int> primes = {1, 2, 3, 5, 7, 11, 13};
             return countIf(b.front, [&](int n) { return primes.count(n) == 1; }) == 2;
         }},
        {"连号", with(ValueCondition::between(Consecutive, 1, 2)),
         [](const SmallBet &b) {
             const int pairs = countIf(b.front, [&](int n) { return has(b.front, n + 1); });
             return pairs >= 1 && pairs <= 2;
         }},
        {"AC值", with(ValueCondition::between(Ac, 5, 6)),
         [](const SmallBet &b) {
             std::set<int> differences;
             for (int x : b.front)
                 for (int y : b.front)
                     if (x > y)
                         differences.insert(x - y);
             const int ac = static_cast<int>(differences.size()) - 4;
             return ac >= 5;
         }},
        {"012路比", with(ValueCondition::oneOf(Road012, {ratioKey({1, 2, 2}), ratioKey({0, 3, 2})})),
         [](const SmallBet &b) {
             const int zero = countIf(b.front, [](int n) { return n % 3 == 0; });
             const int one = countIf(b.front, [](int n) { return n % 3 == 1; });
             return (zero == 1 && one == 2) || (zero == 0 && one == 3);
         }},
        {"尾数", with(ValueCondition::between(DistinctTails, 0, 4)),
         [](const SmallBet &b) {
             std::set<int> tails;
             for (int n : b.front)
                 tails.insert(n % 10);
             return tails.size() < 5;
         }},
        {"区间比", with(ValueCondition::oneOf(Zones, {ratioKey({2, 2, 1})})),
         [](const SmallBet &b) {
             // 16 numbers in three 区间: 01–06, 07–11, 12–16.
             return countIf(b.front, [](int n) { return n <= 6; }) == 2
                    && countIf(b.front, [](int n) { return n >= 7 && n <= 11; }) == 2;
         }},
        {"重号", with(ValueCondition::between(Repeats, 2, 5)),
         [](const SmallBet &b) { return countIf(b.front, [](int n) { return has(kLast, n); }) >= 2; }},
        {"邻号", with(ValueCondition::oneOf(Neighbours, {0})),
         [](const SmallBet &b) {
             return countIf(b.front,
                            [](int n) { return !has(kLast, n) && (has(kLast, n - 1) || has(kLast, n + 1)); })
                    == 0;
         }},
        {"后区", with(ValueCondition::oneOf(BackOddEven, {ratioKey({1, 1})})),
         [](const SmallBet &b) { return (b.back[0] + b.back[1]) % 2 == 1; }},
        {"后区大小", with(ValueCondition::oneOf(BackBigSmall, {ratioKey({2, 0})})),
         [](const SmallBet &b) { return b.back[0] >= 4; }},
        {"胆码", must, [](const SmallBet &b) { return has(b.front, 5) && has(b.front, 11); }},
        {"杀号", kill,
         [](const SmallBet &b) { return !has(b.front, 1) && !has(b.front, 16) && !has(b.back, 6); }},
    };
}

std::vector<int> laidOut(const std::vector<SmallBet> &bets)
{
    std::vector<int> numbers;
    for (const SmallBet &bet : bets) {
        numbers.insert(numbers.end(), bet.front.begin(), bet.front.end());
        numbers.insert(numbers.end(), bet.back.begin(), bet.back.end());
    }
    return numbers;
}

BetFilter filterOf(const FilterSettings &settings)
{
    const Outcome<BetFilter> made = BetFilter::make(kSmall, settings);
    if (!made.accepted())
        ADD_FAILURE() << made.refusal();
    return made.value();
}

} // namespace

TEST(BetFilter, EachConditionKeepsTheBetsItsDefinitionKeeps)
{
    const std::vector<SmallBet> bets = everyBet();
    ASSERT_EQ(bets.size(), 65520u);
    const std::vector<int> numbers = laidOut(bets);
    for (const Case &c : cases()) {
        std::vector<std::uint32_t> expected;
        for (size_t i = 0; i < bets.size(); ++i) {
            if (c.plain(bets[i]))
                expected.push_back(static_cast<std::uint32_t>(i));
        }
        EXPECT_EQ(filterOf(c.settings).kept(numbers), expected) << c.what;
        EXPECT_GT(expected.size(), 0u) << c.what;
        EXPECT_LT(expected.size(), bets.size()) << c.what;
    }
}

TEST(BetFilter, AllConditionsTogetherKeepWhatEveryOneKeeps)
{
    const std::vector<SmallBet> bets = everyBet();
    const std::vector<Case> all = cases();
    FilterSettings together = with(ValueCondition::between(FilterStat::Sum, 30, 55));
    for (size_t c : {2u, 5u, 10u, 12u})
        together.conditions.push_back(all[c].settings.conditions[0]);
    together.must = {11};
    together.kill = {1};
    together.backKill = {6};
    const auto plain = [&](const SmallBet &b) {
        int sum = 0;
        for (int n : b.front)
            sum += n;
        return sum >= 30 && sum <= 55 && all[2].plain(b) && all[5].plain(b) && all[10].plain(b)
               && all[12].plain(b) && has(b.front, 11) && !has(b.front, 1) && !has(b.back, 6);
    };
    const BetFilter filter = filterOf(together);
    size_t expected = 0;
    for (const SmallBet &bet : bets) {
        const bool keep = plain(bet);
        expected += keep ? 1 : 0;
        ASSERT_EQ(filter.passes({bet.front, bet.back}), keep);
    }
    EXPECT_EQ(filter.kept(laidOut(bets)).size(), expected);
    EXPECT_GT(expected, 0u);
}

TEST(StatChoices, OfferExactlyTheValuesSomeBetHas)
{
    const std::vector<SmallBet> bets = everyBet();
    const FilterConventions conventions = FilterConventions::defaultsFor(kSmall);
    const StatMaker maker(kSmall, conventions);
    const LastDraw last = LastDraw::of(kLast, conventions, 1, 16);
    std::vector<std::set<std::int64_t>> seen(kFilterStatCount);
    for (const SmallBet &bet : bets) {
        const BetStats stats = maker.stats(bet.front, bet.back, last);
        for (size_t s = 0; s < seen.size(); ++s)
            seen[s].insert(stats.values[s]);
    }
    for (int s = 0; s < kFilterStatCount; ++s) {
        const auto stat = static_cast<FilterStat>(s);
        const std::vector<std::int64_t> choices = statChoices(stat, kSmall, conventions);
        EXPECT_EQ(std::set<std::int64_t>(choices.begin(), choices.end()), seen[static_cast<size_t>(s)])
            << statName(stat);
        EXPECT_EQ(choices.size(), seen[static_cast<size_t>(s)].size()) << statName(stat);
    }

    // The ranges players know for 双色球, ratios largest first.
    const Lottery ssq(Lotto, 33, 6, "蓝球", 16, 1);
    const FilterConventions ssqDefaults = FilterConventions::defaultsFor(ssq);
    const std::vector<std::int64_t> sums = statChoices(FilterStat::Sum, ssq, ssqDefaults);
    EXPECT_EQ(sums.front(), 21);
    EXPECT_EQ(sums.back(), 183);
    const std::vector<std::int64_t> spans = statChoices(FilterStat::Span, ssq, ssqDefaults);
    EXPECT_EQ(spans.front(), 5);
    EXPECT_EQ(spans.back(), 32);
    const std::vector<std::int64_t> oddEven = statChoices(FilterStat::OddEven, ssq, ssqDefaults);
    ASSERT_EQ(oddEven.size(), 7u);
    EXPECT_EQ(statValueText(FilterStat::OddEven, oddEven.front()), "6:0");
    EXPECT_EQ(statChoices(FilterStat::Road012, ssq, ssqDefaults).size(), 28u);
    EXPECT_EQ(statChoices(FilterStat::Ac, ssq, ssqDefaults).back(), 10);
    EXPECT_EQ(statChoices(FilterStat::BackBigSmall, ssq, ssqDefaults).size(), 2u);
    EXPECT_TRUE(statChoices(FilterStat::BackOddEven, Lottery(Lotto, 33, 6), ssqDefaults).empty());
}

TEST(BetFilter, RefusesSettingsNoBetCanMeet)
{
    const Lottery ssq(Lotto, 33, 6, "蓝球", 16, 1);
    const Lottery single(Lotto, 33, 6);
    using enum FilterStat;
    const auto refusal = [](const Lottery &lottery, FilterSettings settings) {
        if (settings.conventions.zoneEnds.empty())
            settings.conventions = FilterConventions::defaultsFor(lottery);
        const Outcome<BetFilter> made = BetFilter::make(lottery, settings);
        return made.accepted() ? std::string("accepted") : made.refusal();
    };
    FilterSettings s;
    s.must = {7};
    s.kill = {1, 7};
    EXPECT_EQ(refusal(ssq, s), "“07”既是胆码又是杀号");
    s = {};
    s.must = {34};
    EXPECT_EQ(refusal(ssq, s), "胆码“34”不在1到33之间");
    s = {};
    s.must = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(refusal(ssq, s), "胆码有7个，多于每注的6个号码");
    s = {};
    for (int n = 1; n <= 27; ++n)
        s.kill.push_back(n);
    EXPECT_EQ(refusal(ssq, s), "accepted");
    s.kill.push_back(28);
    EXPECT_EQ(refusal(ssq, s), "杀号后剩下的号码不够一注");
    s = {};
    s.backKill = {3};
    EXPECT_EQ(refusal(single, s), "本彩票没有后区，不能杀后区号码");
    s.backKill = {17};
    EXPECT_EQ(refusal(ssq, s), "蓝球杀号“17”不在1到16之间");
    s = {};
    s.conditions = {ValueCondition::between(Sum, 120, 80)};
    EXPECT_EQ(refusal(ssq, s), "和值的下限120大于上限80");
    s.conditions = {ValueCondition::between(OddEven, 1, 3)};
    EXPECT_EQ(refusal(ssq, s), "奇偶比请逐个选择比值");
    s.conditions = {ValueCondition::oneOf(OddEven, {ratioKey({4, 1})})};
    EXPECT_EQ(refusal(ssq, s), "奇偶比“4:1”不合每注6个号码、2项的比值");
    s.conditions = {ValueCondition::oneOf(Zones, {ratioKey({3, 3})})};
    EXPECT_EQ(refusal(ssq, s), "区间比“3:3”不合每注6个号码、3项的比值");
    s.conditions = {ValueCondition::oneOf(Sum, {})};
    EXPECT_EQ(refusal(ssq, s), "和值一个值也没有选");
    s.conditions = {ValueCondition::between(Repeats, 0, 1)};
    EXPECT_EQ(refusal(ssq, s), "没有上期开奖号码，不能按重号缩水");
    s.conditions = {ValueCondition::oneOf(BackOddEven, {ratioKey({1, 0})})};
    EXPECT_EQ(refusal(single, s), "本彩票没有后区，不能按后区奇偶比缩水");
    s = {};
    s.conventions = FilterConventions::defaultsFor(ssq);
    s.conventions.zoneEnds = {22, 11};
    EXPECT_EQ(refusal(ssq, s), "区间的分界应从小到大，在1到33之间");
}

TEST(ConditionRates, PastDrawsOfTheBetsShapeEachAgainstTheOneBefore)
{
    const Lottery ssq(Lotto, 33, 6, "蓝球", 16, 1);
    FilterSettings settings;
    settings.conventions = FilterConventions::defaultsFor(ssq);
    settings.conditions = {ValueCondition::between(FilterStat::Sum, 90, 110),
                           ValueCondition::between(FilterStat::Repeats, 1, 6)};
    settings.kill = {33};
    settings.lastDraw = {1, 2, 3, 4, 5, 6};
    const BetFilter filter = BetFilter::make(ssq, settings).value();

    const std::vector<std::vector<int>> fronts = {
        {3, 7, 12, 19, 25, 31},                                                  // 97
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, // not of the shape
        {2, 7, 13, 19, 26, 33},                                                  // 100, repeats 07 19
        {4, 8, 14, 20, 27, 32},                                                  // 105, no repeat
        {4, 9, 15, 21, 28, 33},                                                  // 110, repeats 04
        {1, 2, 3, 5, 6, 7},                                                      // 24, no repeat
    };
    const std::vector<int> blue = {5};
    std::vector<FilterBet> draws;
    for (const auto &front : fronts)
        draws.push_back({front, blue});

    const std::vector<ConditionRate> rates = conditionRates(filter, draws);
    ASSERT_EQ(rates.size(), 3u);
    EXPECT_EQ(rates[0], (ConditionRate{"和值", 4, 5}));
    EXPECT_EQ(rates[1], (ConditionRate{"重号", 2, 4})); // the oldest has no draw before it
    EXPECT_EQ(rates[2], (ConditionRate{"杀号", 3, 5}));
    EXPECT_EQ(rates[0].text(), "近5期 80%");
    EXPECT_EQ(rates[1].text(), "近4期 50%");

    // The most recent three only; the draw before the first of them still serves 重号.
    const std::vector<ConditionRate> recent = conditionRates(filter, draws, 3);
    EXPECT_EQ(recent[0], (ConditionRate{"和值", 2, 3}));
    EXPECT_EQ(recent[1], (ConditionRate{"重号", 1, 3}));
    EXPECT_EQ(recent[1].text(), "近3期 33%");
    EXPECT_EQ((ConditionRate{"和值", 2, 3}).text(), "近3期 67%");
    EXPECT_EQ(conditionRates(filter, {})[0].text(), "无可比的开奖");
}

TEST(ShrinkReport, CountsAndStake)
{
    EXPECT_EQ(shrinkReportText(1000, 120, 200), "缩水前1000注 → 缩水后120注，投入240元");
    EXPECT_EQ(shrinkReportText(17721088, 3, 300), "缩水前17721088注 → 缩水后3注，投入9元");
    EXPECT_EQ(shrinkReportText(5, 0, 200), "缩水前5注 → 缩水后0注，投入0元");
    EXPECT_EQ(shrinkReportText(10, 3, 50), "缩水前10注 → 缩水后3注，投入1.5元");
}

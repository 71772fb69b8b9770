// The statistics of a bet against the worked values players check them by,
// and the conventions on which they differ.
#include "filters/bet_stats.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const Lottery kSsq(Lotto, 33, 6, "蓝球", 16, 1);
const Lottery kDlt(Lotto, 35, 5, "后区", 12, 2);

BetStats statsOf(const Lottery &lottery, const std::vector<int> &front, const std::vector<int> &back = {},
                 const std::vector<int> &last = {},
                 const FilterConventions &conventions = FilterConventions::defaultsFor(kSsq))
{
    const StatMaker maker(lottery, conventions);
    return maker.stats(front, back, LastDraw::of(last, conventions, maker.lowest(), maker.highest()));
}

std::string text(const BetStats &stats, FilterStat stat)
{
    return statValueText(stat, stats[stat]);
}

} // namespace

TEST(BetStats, WorkedExampleOfADoubleColourBet)
{
    using enum FilterStat;
    const BetStats s = statsOf(kSsq, {3, 7, 12, 19, 25, 31}, {7}, {2, 7, 13, 19, 26, 33});
    EXPECT_EQ(s[Sum], 97);
    EXPECT_EQ(s[Span], 28);
    EXPECT_EQ(text(s, OddEven), "5:1");
    EXPECT_EQ(text(s, BigSmall), "3:3");
    EXPECT_EQ(text(s, PrimeComposite), "4:2");
    EXPECT_EQ(s[Consecutive], 0);
    EXPECT_EQ(s[Ac], 8);
    EXPECT_EQ(text(s, Road012), "2:4:0");
    EXPECT_EQ(s[DistinctTails], 6);
    EXPECT_EQ(s[TailSum], 27);
    EXPECT_EQ(text(s, Zones), "2:2:2");
    EXPECT_EQ(s[Repeats], 2);    // 07 19
    EXPECT_EQ(s[Neighbours], 3); // 03 12 25
    EXPECT_EQ(text(s, BackOddEven), "1:0");
    EXPECT_EQ(text(s, BackBigSmall), "0:1"); // 07 is 小 of 01–16

    FilterConventions mathematical = FilterConventions::defaultsFor(kSsq);
    mathematical.onePrime = false;
    EXPECT_EQ(text(statsOf(kSsq, {3, 7, 12, 19, 25, 31}, {}, {}, mathematical), PrimeComposite), "4:2");
}

TEST(BetStats, AcValuesOfThePublishedExamples)
{
    const Lottery six(Lotto, 49, 6);
    EXPECT_EQ(statsOf(six, {1, 2, 3, 4, 5, 6})[FilterStat::Ac], 0);
    EXPECT_EQ(statsOf(six, {1, 2, 4, 8, 13, 21})[FilterStat::Ac], 10);
    EXPECT_EQ(statsOf(kSsq, {4, 7, 11, 19, 23, 26})[FilterStat::Ac], 4);
    EXPECT_EQ(statsOf(kSsq, {3, 4, 5, 16, 20, 30})[FilterStat::Ac], 9);
    // Seven of 35 subtract 6: 12 distinct differences give 6, 18 give 12.
    const Lottery seven(Lotto, 35, 7);
    EXPECT_EQ(statsOf(seven, {1, 5, 9, 13, 18, 26, 34})[FilterStat::Ac], 6);
    EXPECT_EQ(statsOf(seven, {1, 6, 14, 23, 25, 32, 33})[FilterStat::Ac], 12);
    // Differences above 63 fall in the mask's second word (快乐8).
    const Lottery happy(Lotto, 80, 3);
    EXPECT_EQ(statsOf(happy, {1, 70, 80})[FilterStat::Ac], 1); // 69, 79, 10
    EXPECT_EQ(statsOf(happy, {1, 70, 80})[FilterStat::Span], 79);
}

TEST(BetStats, ConsecutivePairsRepeatsAndNeighbours)
{
    using enum FilterStat;
    // A run of three is two pairs; 10 11 a third; pairs across the words.
    EXPECT_EQ(statsOf(kSsq, {1, 2, 3, 10, 11, 20})[Consecutive], 3);
    EXPECT_EQ(statsOf(Lottery(Lotto, 80, 4), {62, 63, 64, 65})[Consecutive], 3);
    EXPECT_EQ(statsOf(kSsq, {1, 2, 3, 10, 11, 20})[DistinctTails], 4); // 01 11, 10 20 同尾

    // A number of the last draw is no neighbour unless the player says so;
    // the pool does not wrap from 33 to 01.
    FilterConventions conventions = FilterConventions::defaultsFor(kSsq);
    const std::vector<int> bet = {3, 7, 12, 19, 25, 33};
    EXPECT_EQ(statsOf(kSsq, bet, {}, {1, 6, 7}, conventions)[Neighbours], 0);
    EXPECT_EQ(statsOf(kSsq, bet, {}, {1, 6, 7}, conventions)[Repeats], 1);
    conventions.repeatIsNeighbour = true;
    EXPECT_EQ(statsOf(kSsq, bet, {}, {1, 6, 7}, conventions)[Neighbours], 1);
    EXPECT_EQ(statsOf(kSsq, bet, {}, {32}, conventions)[Neighbours], 1);
    EXPECT_EQ(statsOf(kSsq, {1, 2, 4, 5, 6, 8}, {}, {33}, conventions)[Neighbours], 0);
}

TEST(BetStats, DefaultBoundariesOfTheCommonPools)
{
    const FilterConventions ssq = FilterConventions::defaultsFor(kSsq);
    EXPECT_EQ(ssq.smallUpTo, 16);
    EXPECT_EQ(ssq.backSmallUpTo, 8);
    EXPECT_EQ(ssq.zoneEnds, (std::vector<int>{11, 22}));
    EXPECT_TRUE(ssq.onePrime);
    const FilterConventions dlt = FilterConventions::defaultsFor(kDlt);
    EXPECT_EQ(dlt.smallUpTo, 17);
    EXPECT_EQ(dlt.backSmallUpTo, 6);
    EXPECT_EQ(dlt.zoneEnds, (std::vector<int>{12, 24}));
    EXPECT_EQ(FilterConventions::defaultsFor(Lottery(Lotto, 80, 10)).smallUpTo, 40);
    const FilterConventions digits = FilterConventions::defaultsFor(Lottery(Digit, 10, 3));
    EXPECT_EQ(digits.smallUpTo, 4);
    EXPECT_EQ(digits.zoneEnds, (std::vector<int>{3, 6}));

    EXPECT_EQ(conventionsText(kSsq, ssq),
              "01算质数；小01–16 大17–33；区间01–11 12–22 23–33；蓝球小01–08 大09–16");
    EXPECT_EQ(conventionsText(Lottery(Digit, 10, 3), digits), "1算质数；小0–4 大5–9；区间0–3 4–6 7–9");

    using enum FilterStat;
    // 16 is 小 and 17 大; the blue 08 小 and 09 大; 后区 06 小, 07 大.
    EXPECT_EQ(text(statsOf(kSsq, {1, 2, 3, 4, 16, 17}, {9}), BigSmall), "1:5");
    EXPECT_EQ(text(statsOf(kSsq, {1, 2, 3, 4, 16, 17}, {8}), BackBigSmall), "0:1");
    EXPECT_EQ(text(statsOf(kSsq, {1, 2, 3, 4, 16, 17}, {9}), BackBigSmall), "1:0");
    const FilterConventions dltDefaults = FilterConventions::defaultsFor(kDlt);
    const BetStats dltBet = statsOf(kDlt, {12, 13, 24, 25, 35}, {6, 7}, {}, dltDefaults);
    EXPECT_EQ(text(dltBet, BigSmall), "3:2");
    EXPECT_EQ(text(dltBet, BackBigSmall), "1:1");
    EXPECT_EQ(text(dltBet, BackOddEven), "1:1");
    EXPECT_EQ(text(dltBet, Zones), "1:2:2");
}

TEST(BetStats, OneCountsAsPrimeOnlyByChoice)
{
    FilterConventions conventions = FilterConventions::defaultsFor(kSsq);
    EXPECT_EQ(text(statsOf(kSsq, {1, 2, 4, 6, 8, 9}, {}, {}, conventions), FilterStat::PrimeComposite),
              "2:4");
    conventions.onePrime = false;
    EXPECT_EQ(text(statsOf(kSsq, {1, 2, 4, 6, 8, 9}, {}, {}, conventions), FilterStat::PrimeComposite),
              "1:5");
}

TEST(BetStats, RepeatedDigitsCountEachTime)
{
    // 福彩3D "3 3 5": each 3 counts in the ratios and the sum.
    const Lottery threeD(Digit, 10, 3);
    using enum FilterStat;
    const BetStats s = statsOf(threeD, {3, 3, 5}, {}, {}, FilterConventions::defaultsFor(threeD));
    EXPECT_EQ(s[Sum], 11);
    EXPECT_EQ(s[Span], 2);
    EXPECT_EQ(text(s, OddEven), "3:0");
    EXPECT_EQ(text(s, BigSmall), "1:2");
    EXPECT_EQ(text(s, PrimeComposite), "3:0");
    EXPECT_EQ(text(s, Road012), "2:0:1");
    EXPECT_EQ(s[DistinctTails], 2);
    EXPECT_EQ(s[TailSum], 11);
    EXPECT_EQ(statsOf(threeD, {0, 0, 9}, {}, {}, FilterConventions::defaultsFor(threeD))[Span], 9);
}

TEST(BetStats, RatioKeysReadBack)
{
    EXPECT_EQ(ratioCounts(ratioKey({2, 4, 0})), (std::vector<int>{2, 4, 0}));
    EXPECT_NE(ratioKey({2, 4}), ratioKey({2, 4, 0}));
    EXPECT_EQ(statValueText(FilterStat::Zones, ratioKey({1, 0, 2, 3})), "1:0:2:3");
    EXPECT_EQ(statValueText(FilterStat::Sum, 183), "183");
}

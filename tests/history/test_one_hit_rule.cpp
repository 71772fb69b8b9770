// The grid's highlight of a checked draw and the check window's hit counts
// come from the same rule: for random bets and draws of every kind of zone
// the two never disagree.
#include "prize_cases.h"

#include "base/two_digit.h"
#include "results/draw_check.h"

#include <random>

namespace {

std::vector<int> pick(std::mt19937 &random, const DrawZone &zone, int count)
{
    std::vector<int> numbers;
    std::uniform_int_distribution<int> value(zone.low, zone.high);
    while (static_cast<int>(numbers.size()) < count) {
        const int v = value(random);
        if (zone.digits || std::find(numbers.begin(), numbers.end(), v) == numbers.end())
            numbers.push_back(v);
    }
    if (!zone.digits)
        std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

TEST(OneHitRule, GridHighlightAgreesWithTheCheckedHits)
{
    const std::vector<std::pair<std::string, Lottery>> lotteries = {{"双色球", {0, 33, 6, "蓝球", 16, 1}},
                                                                    {"大乐透", {0, 35, 5, "后区", 12, 2}},
                                                                    {"福彩3D", {1, 10, 3}},
                                                                    {"七星彩", {1, 10, 6, "后区", 15, 1}}};
    std::mt19937 random(20261209);
    for (const auto &[name, lottery] : lotteries) {
        const PrizeTable table = PrizeTable::fromRows(name, shippedPrizeRules());
        const DrawShape shape = drawShapeOf(name, lottery);
        for (int round = 0; round < 200; ++round) {
            Draw draw;
            draw.lottery = name;
            draw.front = pick(random, shape.front, shape.front.count);
            if (shape.back)
                draw.back = pick(random, *shape.back, shape.back->count);
            LotteryNumbers bet;
            bet.front = pick(random, shape.front, lottery.count);
            if (shape.back)
                bet.back = pick(random, *shape.back, lottery.backCount);

            std::vector<std::string> row;
            for (int v : bet.front)
                row.push_back(twoDigit(v));
            for (int v : bet.back)
                row.push_back(twoDigit(v));
            const std::vector<bool> cells = drawHits(row, draw, lottery);
            const auto split = cells.begin() + lottery.count;
            const BetCheck checked = checkBets({bet}, draw, shape, table).bets.at(0);
            ASSERT_EQ(std::count(cells.begin(), split, true), checked.frontHits) << name << round;
            ASSERT_EQ(std::count(split, cells.end(), true), checked.backHits) << name << round;
        }
    }
}

// A digit bet longer than the draw it is held against (a typed draw of too
// few digits) hits nothing past the draw's end.
TEST(OneHitRule, PositionsPastTheDrawHitNothing)
{
    EXPECT_EQ(zoneHits({1, 2, 3}, {1, 5}, true), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(zoneHits({1, 2, 3}, {3, 1}, false), (std::vector<bool>{true, false, true}));
}

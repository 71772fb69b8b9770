#pragma once

#include "history/prize_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// One row of a prize table test: the hits a bet has, and what it wins
// ("浮动", an amount in 元, or "" for nothing).
struct PrizeCase
{
    int front;
    int back;
    int special; // 1: the special number is among the bet's numbers
    std::string level;
    std::string prize;
    std::string highPrize = "";
};

// A bet with the hits of `c` against `draw`: the first `c.front` drawn
// numbers (or digits in place), the rest numbers the draw does not hold.
inline LotteryNumbers betWithHits(const Draw &draw, const DrawShape &shape, const PrizeCase &c, int betCount)
{
    LotteryNumbers bet;
    const auto fill
        = [](const std::vector<int> &drawn, const DrawZone &zone, int hits, int count, int avoid) {
              std::vector<int> numbers;
              if (zone.digits) {
                  for (int i = 0; i < count; ++i)
                      numbers.push_back(i < hits ? drawn[static_cast<size_t>(i)]
                                                 : (drawn[static_cast<size_t>(i)] + 1 - zone.low)
                                                           % (zone.high - zone.low + 1)
                                                       + zone.low);
                  return numbers;
              }
              numbers.assign(drawn.begin(), drawn.begin() + hits);
              for (int v = zone.low; static_cast<int>(numbers.size()) < count; ++v) {
                  if (std::find(drawn.begin(), drawn.end(), v) == drawn.end() && v != avoid)
                      numbers.push_back(v);
              }
              return numbers;
          };
    const int special = draw.special.value_or(-1);
    bet.front = fill(draw.front, shape.front, c.front, betCount, special);
    if (c.special == 1)
        bet.front.back() = special;
    if (shape.back)
        bet.back = fill(draw.back, *shape.back, c.back, shape.back->count, -1);
    return bet;
}

inline std::string prizeText(const Prize &prize)
{
    return prize.floating ? "浮动" : yuanText(prize.fen);
}

// Checks every case against `draw` and says which rows fail.
inline void expectCases(const Draw &draw, const DrawShape &shape, const PrizeTable &table,
                        const std::vector<PrizeCase> &cases, int betCount, const CheckOptions &options = {})
{
    for (const PrizeCase &c : cases) {
        const LotteryNumbers bet = betWithHits(draw, shape, c, betCount);
        const BetCheck check = checkBets({bet}, draw, shape, table, options).bets.at(0);
        const std::string where = draw.lottery + " " + draw.issue + " " + std::to_string(c.front) + "+"
                                  + std::to_string(c.back) + (c.special ? "+特" : "");
        EXPECT_TRUE(check.rated) << where;
        EXPECT_EQ(check.frontHits, c.front) << where;
        EXPECT_EQ(check.backHits, c.back) << where;
        EXPECT_EQ(check.level, c.level) << where;
        EXPECT_EQ(check.level.empty() ? "" : prizeText(check.prize), c.prize) << where;
        EXPECT_EQ(check.prize.highFen ? yuanText(*check.prize.highFen) : "", c.highPrize) << where;
    }
}

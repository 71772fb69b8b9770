#pragma once

#include "history/draw.h"
#include "history/prize_rules.h"

#include <cstdint>
#include <string>
#include <vector>

// Checking bets against draws: hits per zone, the level a bet wins under the
// rule version in force for the draw's 期号, and its prize.

// Which amounts a pool-dependent fixed prize is told in (大乐透's two tiers):
// both, when the pool is not known, or the one named.
enum class PoolTier { Both, Low, High };

struct CheckOptions
{
    PoolTier tier = PoolTier::Both;
    std::string play; // 玩法 of every bet; empty: by the bet's count, the first play
};

struct BetCheck
{
    int frontHits = 0;
    int backHits = 0;
    bool specialHit = false;
    bool rated = false; // a prize rule applied; otherwise the hits are all there is
    std::string level;  // the level won, empty for none
    int rank = -1;      // the level's place in its play, 0 the best
    Prize prize;
};

// Every bet checked against one draw, with what the summary line needs.
struct DrawCheck
{
    std::vector<BetCheck> bets;
    std::string unrated;       // why no prize rule applied, for some or all bets
    std::int64_t priceFen = 0; // of one bet, 0 when no rule applied
    std::string highCondition; // when the higher tier applies

    // "共20注 投入40元 中奖3注 奖金15元（另有浮动奖1注）"; an amount that
    // depends on the pool names both tiers.
    std::string summary() const;
};

DrawCheck checkBets(const std::vector<LotteryNumbers> &bets, const Draw &draw, const DrawShape &shape,
                    const PrizeTable &table, const CheckOptions &options = {});

// One bet against every stored draw (对照历史).
// Levels of one name under different rule versions pay differently (大乐透's
// 六等奖 was 200元 before 26014 and is 15元 from it), so each is counted
// under its own version.
struct LevelCount
{
    std::string level;
    int count = 0;
    std::string firstIssue; // 起始期号 of the rule version it was won under
    Prize prize;            // what one win paid, in the tier asked for

    friend bool operator==(const LevelCount &, const LevelCount &) = default;
};

struct HistoryCheck
{
    int draws = 0;                  // draws checked
    int rated = 0;                  // of these, draws a prize rule applied to
    std::string best;               // the best level won, empty for none
    std::vector<LevelCount> counts; // how often each level came, best first, older rules first
    bool severalVersions = false;   // the lottery's rules changed: levels name their version
    std::int64_t wonFen = 0;        // the fixed prizes won over all the draws
    std::int64_t wonHighFen = 0;    // the same where the pool is in its higher tier
    std::string highCondition;      // when that tier applies
    int floating = 0;               // floating prizes won, not in the sums
    // Over the draws no prize rule applied to: the most hits in one draw
    // (front first, then back) and in how many draws the bet had them.
    int mostFront = 0;
    int mostBack = 0;
    int mostDraws = 0;
};

// Prepares the draws once, so that many bets are checked quickly.
class HistoryChecker
{
public:
    HistoryChecker(const std::vector<Draw> &draws, const DrawShape &shape, const PrizeTable &table,
                   const CheckOptions &options = {});

    HistoryCheck check(const LotteryNumbers &bet) const;

    // One bet against draw `index`, with hits, level and prize.
    BetCheck checkOne(const LotteryNumbers &bet, size_t index) const;

    // Why draw `index` or this bet has no prize rule, or empty.
    std::string unratedReason(const LotteryNumbers &bet, size_t index) const;

    const PrizeVersion *versionOf(size_t index) const;

private:
    struct Prepared
    {
        std::uint64_t front[2] = {0, 0};
        std::uint64_t back[2] = {0, 0};
        int special = -1;
        int version = -1;
        size_t frontAt = 0; // into m_values
        size_t frontSize = 0;
        size_t backAt = 0;
        size_t backSize = 0;
    };
    struct Hits
    {
        int front = 0;
        int back = 0;
        bool special = false;
    };
    struct PreparedBet;

    PreparedBet prepare(const LotteryNumbers &bet) const;
    Hits hitsOf(const PreparedBet &bet, const Prepared &draw, HitRule rule) const;
    const PrizePlay *playOf(const PreparedBet &bet, int version) const;
    // How hits count where no prize rule applies.
    HitRule defaultRule() const { return m_shape.front.digits ? HitRule::Positions : HitRule::Numbers; }

    DrawShape m_shape;
    PrizeTable m_table;
    CheckOptions m_options;
    std::vector<Prepared> m_draws;
    std::vector<int> m_values; // the draws' numbers, front then back
    std::vector<std::string> m_issues;
};

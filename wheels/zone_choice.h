#pragma once

#include "base/lottery.h"
#include "base/outcome.h"
#include "wheels/binomial.h"

#include <string>
#include <vector>

// What a player picks in one zone of a Lotto lottery. Without 胆码 it is a
// 复式 (any K of `others`; exactly K numbers is a single bet); with them a
// 胆拖: every bet holds all the 胆码 and K − 胆 of the 拖码 in `others`.
struct ZoneChoice
{
    std::vector<int> bankers; // 胆码
    std::vector<int> others;  // 复式's numbers, or the 拖码

    bool isBanker() const { return !bankers.empty(); }
};

// The bets one zone gives: C(others, K − bankers), with the choice sorted
// and checked. `zoneName` names the zone in refusals ("前区", "蓝球").
// Refused: a number outside 1..N or given twice, fewer numbers than a bet
// holds, 胆码 outside 1..K − 1, 胆 + 拖 not above K, a count beyond 64 bits.
class ZoneBets
{
public:
    static Outcome<ZoneBets> make(const LotteryZone &zone, ZoneChoice choice, const std::string &zoneName);

    BetCount count() const { return m_count; }
    const ZoneChoice &choice() const { return m_choice; }
    // How many 拖码 (or 复式 numbers) each bet takes.
    int drawn() const { return m_drawn; }

    // The index-th bet (from 0, lexicographic order), ascending numbers.
    std::vector<int> bet(BetCount index) const;

    // Lexicographic walk over the bets without building them all.
    class Walker
    {
    public:
        explicit Walker(const ZoneBets &bets);
        const std::vector<int> &bet() const { return m_bet; }
        // Steps to the next bet; false after the last (then back at the first).
        bool next();

    private:
        void fill();
        const ZoneBets *m_bets;
        std::vector<int> m_index;
        std::vector<int> m_bet;
    };

private:
    ZoneBets(ZoneChoice choice, int drawn, BetCount count);
    std::vector<int> merged(const std::vector<int> &index) const;

    ZoneChoice m_choice;
    int m_drawn = 0;
    BetCount m_count = 0;
};

#pragma once

#include "base/lottery.h"
#include "base/outcome.h"
#include "wheels/zone_choice.h"

#include <optional>
#include <vector>

// A 复式 or 胆拖 ticket of a Lotto lottery: a choice for the front zone and,
// for lotteries such as 双色球 and 大乐透, one for the back zone (each zone
// may be 复式 or 胆拖 on its own). Its bets are every front bet with every
// back bet, ordered by front numbers, then back numbers.
struct LottoPick
{
    ZoneChoice front;
    ZoneChoice back;
};

class LottoTicket
{
public:
    // Counts the bets without building any; refused for a Digit lottery, a
    // bad choice in either zone, or a count beyond 64 bits.
    static Outcome<LottoTicket> make(const Lottery &lottery, LottoPick pick);

    const Lottery &lottery() const { return m_lottery; }
    BetCount count() const { return m_count; }
    const ZoneBets &front() const { return m_front; }
    const std::optional<ZoneBets> &back() const { return m_back; }

    // The index-th bet (from 0): the front numbers, then the back ones.
    std::vector<int> bet(BetCount index) const;

    // The bets one after another, built as they are asked for.
    class Walker
    {
    public:
        explicit Walker(const LottoTicket &ticket);
        // The current bet, front then back numbers.
        std::vector<int> bet() const;
        // Steps to the next bet; false after the last.
        bool next();

    private:
        ZoneBets::Walker m_front;
        std::optional<ZoneBets::Walker> m_back;
    };

private:
    LottoTicket(Lottery lottery, ZoneBets front, std::optional<ZoneBets> back, BetCount count);

    Lottery m_lottery;
    ZoneBets m_front;
    std::optional<ZoneBets> m_back;
    BetCount m_count = 0;
};

#pragma once

#include "base/lottery.h"
#include "base/outcome.h"
#include "wheels/binomial.h"

#include <vector>

// A 复式 of a Digit lottery (福彩3D, 排列三, 排列五, 七星彩): one or more
// digits for each position, the front positions first, then the back
// zone's; its bets are every way of taking one digit a position, in
// lexicographic order (the last position changes fastest).
class DigitTicket
{
public:
    // Refused for a Lotto lottery, a wrong number of positions, a position
    // without digits, a digit out of its range or given twice in one position.
    static Outcome<DigitTicket> make(const Lottery &lottery, std::vector<std::vector<int>> positions);

    BetCount count() const { return m_count; }
    std::vector<int> bet(BetCount index) const;

private:
    explicit DigitTicket(std::vector<std::vector<int>> positions, BetCount count);

    std::vector<std::vector<int>> m_positions;
    BetCount m_count = 0;
};

// 组选 of 福彩3D and 排列三: the digits of a bet in any order win. 组选6's
// bets are three different digits of the chosen ones, 组选3's a digit twice
// and another once.
enum class GroupPlay {
    Group3, // 组选3
    Group6, // 组选6
};

class GroupTicket
{
public:
    // Refused for a lottery without 组选 (anything but three positions of
    // 0..9 and no back zone), a digit out of 0..9 or given twice, and too few
    // digits (组选3 needs 2, 组选6 3).
    static Outcome<GroupTicket> make(const Lottery &lottery, GroupPlay play, std::vector<int> digits);

    BetCount count() const { return static_cast<BetCount>(m_bets.size()); }
    // Every bet as its digits ascending, the bets in lexicographic order:
    // C(n, 3) for 组选6, n × (n − 1) for 组选3.
    const std::vector<std::vector<int>> &bets() const { return m_bets; }

private:
    explicit GroupTicket(std::vector<std::vector<int>> bets);

    std::vector<std::vector<int>> m_bets;
};

// Whether the lottery has the 组选 plays.
bool hasGroupPlay(const Lottery &lottery);

#pragma once

#include "wheels/covering.h"
#include "wheels/subset_rank.h"

#include <cstdint>
#include <vector>

// The bets of a wheel being searched, with for every M-set of the chosen
// numbers how many bets meet it in at least T numbers, and the M-sets no
// bet meets so (in a list, for picking one at random). A move swaps one
// number of a bet for one outside it; its effect on the uncovered count is
// found from the M-sets around the two numbers only, so a step costs
// C(K − 1, T − 1) × C(V − K − 1, M − T) counter reads whatever the wheel's
// size.
class CoverState
{
public:
    explicit CoverState(const WheelTerms &terms);

    const WheelTerms &terms() const { return m_terms; }
    BetMask allNumbers() const { return m_all; }
    const std::vector<BetMask> &bets() const { return m_bets; }
    std::uint32_t uncovered() const { return static_cast<std::uint32_t>(m_uncovered.size()); }
    // The i-th uncovered M-set.
    BetMask uncoveredSet(std::uint32_t i) const { return m_ranker.unrank(m_uncovered[i]); }

    void addBet(BetMask bet);
    void removeBet(size_t index);
    // How many uncovered M-sets this bet would cover.
    std::uint32_t wouldCover(BetMask bet) const;
    // How many M-sets only this bet covers: what removing it costs.
    std::uint32_t soleCover(size_t index) const;
    // The change of the uncovered count if number `out` of bet `index` were
    // replaced by `in`.
    int moveCost(size_t index, BetMask out, BetMask in) const;
    void move(size_t index, BetMask out, BetMask in);

private:
    template<typename Visit>
    void forEachMet(BetMask bet, Visit &&visit) const;
    template<typename Visit>
    void forEachSwapped(BetMask bet, BetMask out, BetMask in, Visit &&visit) const;
    void raise(std::uint32_t rank);
    void lower(std::uint32_t rank);

    WheelTerms m_terms;
    BetMask m_all = 0;
    SubsetRanker m_ranker;
    std::vector<BetMask> m_bets;
    std::vector<std::uint32_t> m_count;
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::uint32_t> m_place; // index in m_uncovered, for uncovered sets
};

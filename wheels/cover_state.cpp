#include "wheels/cover_state.h"

#include <algorithm>
#include <numeric>

CoverState::CoverState(const WheelTerms &terms)
    : m_terms(terms)
    , m_all((BetMask{1} << terms.v) - 1)
    , m_ranker(terms.v, terms.m)
    , m_count(m_ranker.size(), 0)
    , m_uncovered(m_ranker.size())
    , m_place(m_ranker.size())
{
    std::iota(m_uncovered.begin(), m_uncovered.end(), 0u);
    std::iota(m_place.begin(), m_place.end(), 0u);
}

template<typename Visit>
void CoverState::forEachMet(BetMask bet, Visit &&visit) const
{
    const BetMask rest = m_all & ~bet;
    for (int j = m_terms.t; j <= std::min(m_terms.k, m_terms.m); ++j)
        forEachSubset(bet, j, [&](BetMask inside) {
            forEachSubset(rest, m_terms.m - j,
                          [&](BetMask outside) { visit(m_ranker.rank(inside | outside)); });
        });
}

// The M-sets that hold `out` and exactly T − 1 other numbers of the bet
// (met before the swap, not after) paired with the same sets holding `in`
// in its place (met after, not before).
template<typename Visit>
void CoverState::forEachSwapped(BetMask bet, BetMask out, BetMask in, Visit &&visit) const
{
    const BetMask pool = m_all & ~bet & ~in;
    forEachSubset(bet & ~out, m_terms.t - 1, [&](BetMask inside) {
        forEachSubset(pool, m_terms.m - m_terms.t, [&](BetMask outside) {
            visit(m_ranker.rank(inside | outside | out), m_ranker.rank(inside | outside | in));
        });
    });
}

void CoverState::raise(std::uint32_t rank)
{
    if (m_count[rank]++ == 0) {
        const std::uint32_t place = m_place[rank];
        const std::uint32_t last = m_uncovered.back();
        m_uncovered[place] = last;
        m_place[last] = place;
        m_uncovered.pop_back();
    }
}

void CoverState::lower(std::uint32_t rank)
{
    if (--m_count[rank] == 0) {
        m_place[rank] = static_cast<std::uint32_t>(m_uncovered.size());
        m_uncovered.push_back(rank);
    }
}

void CoverState::addBet(BetMask bet)
{
    m_bets.push_back(bet);
    forEachMet(bet, [&](std::uint32_t rank) { raise(rank); });
}

void CoverState::removeBet(size_t index)
{
    forEachMet(m_bets[index], [&](std::uint32_t rank) { lower(rank); });
    m_bets[index] = m_bets.back();
    m_bets.pop_back();
}

std::uint32_t CoverState::wouldCover(BetMask bet) const
{
    std::uint32_t fresh = 0;
    forEachMet(bet, [&](std::uint32_t rank) { fresh += m_count[rank] == 0; });
    return fresh;
}

std::uint32_t CoverState::soleCover(size_t index) const
{
    std::uint32_t sole = 0;
    forEachMet(m_bets[index], [&](std::uint32_t rank) { sole += m_count[rank] == 1; });
    return sole;
}

int CoverState::moveCost(size_t index, BetMask out, BetMask in) const
{
    int cost = 0;
    forEachSwapped(m_bets[index], out, in, [&](std::uint32_t lost, std::uint32_t gained) {
        cost += (m_count[lost] == 1) - (m_count[gained] == 0);
    });
    return cost;
}

void CoverState::move(size_t index, BetMask out, BetMask in)
{
    // Raise first: a set met both before and after never drops to zero.
    forEachSwapped(m_bets[index], out, in, [&](std::uint32_t lost, std::uint32_t gained) {
        raise(gained);
        lower(lost);
    });
    m_bets[index] = (m_bets[index] & ~out) | in;
}

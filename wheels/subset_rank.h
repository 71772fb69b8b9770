#pragma once

#include "wheels/covering.h"

#include <array>
#include <bit>
#include <cstdint>

// The numbers in a set, inline: the searches count them millions of times a
// second, and without a POPCNT target std::popcount is a library call.
inline int bitCount(BetMask set)
{
    set -= (set >> 1) & 0x5555555555555555u;
    set = (set & 0x3333333333333333u) + ((set >> 2) & 0x3333333333333333u);
    set = (set + (set >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((set * 0x0101010101010101u) >> 56);
}

// The r-subsets of 1..n numbered 0 .. C(n, r) − 1 in colex order, so a
// covering's counters sit in one flat array.
class SubsetRanker
{
public:
    SubsetRanker(int n, int r);

    std::uint32_t size() const { return m_size; }
    std::uint32_t rank(BetMask subset) const
    {
        std::uint32_t rank = 0;
        int i = 0;
        for (; subset != 0; subset &= subset - 1, ++i)
            rank += m_choose[static_cast<size_t>(std::countr_zero(subset))][static_cast<size_t>(i + 1)];
        return rank;
    }
    BetMask unrank(std::uint32_t rank) const;

private:
    int m_n = 0;
    int m_r = 0;
    std::uint32_t m_size = 0;
    // m_choose[p][i] = C(p, i), saturated; only entries below C(n, r) are read.
    std::array<std::array<std::uint32_t, 65>, 65> m_choose{};
};

// Calls visit(subset) for every r-subset of `set`; visit returns false to
// stop. Returns false when stopped.
template<typename Visit>
bool forEachSubsetWhile(BetMask set, int r, Visit &&visit)
{
    if (r == 0)
        return visit(BetMask{0});
    // Left uninitialised: this runs in the search's innermost loop.
    std::array<BetMask, 64> bits;
    int n = 0;
    for (; set != 0; set &= set - 1)
        bits[static_cast<size_t>(n++)] = set & (~set + 1);
    if (r < 0 || r > n)
        return true;
    std::array<int, 64> index;
    for (int i = 0; i < r; ++i)
        index[static_cast<size_t>(i)] = i;
    for (;;) {
        BetMask subset = 0;
        for (int i = 0; i < r; ++i)
            subset |= bits[static_cast<size_t>(index[static_cast<size_t>(i)])];
        if (!visit(subset))
            return false;
        int i = r - 1;
        while (i >= 0 && index[static_cast<size_t>(i)] == n - r + i)
            --i;
        if (i < 0)
            return true;
        ++index[static_cast<size_t>(i)];
        for (int j = i + 1; j < r; ++j)
            index[static_cast<size_t>(j)] = index[static_cast<size_t>(j - 1)] + 1;
    }
}

template<typename Visit>
void forEachSubset(BetMask set, int r, Visit &&visit)
{
    forEachSubsetWhile(set, r, [&](BetMask subset) {
        visit(subset);
        return true;
    });
}

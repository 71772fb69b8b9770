#include "wheels/subset_rank.h"

#include <algorithm>

SubsetRanker::SubsetRanker(int n, int r)
    : m_n(n)
    , m_r(r)
{
    constexpr std::uint64_t kSaturated = 0xffffffffu;
    for (size_t p = 0; p < m_choose.size(); ++p) {
        m_choose[p][0] = 1;
        for (size_t i = 1; i <= p && i < m_choose[p].size(); ++i) {
            const std::uint64_t sum = std::uint64_t{m_choose[p - 1][i - 1]} + m_choose[p - 1][i];
            m_choose[p][i] = static_cast<std::uint32_t>(std::min(sum, kSaturated));
        }
    }
    m_size = m_choose[static_cast<size_t>(n)][static_cast<size_t>(r)];
}

BetMask SubsetRanker::unrank(std::uint32_t rank) const
{
    BetMask subset = 0;
    int p = m_n;
    for (int i = m_r; i >= 1; --i) {
        // The largest element is the largest p with C(p, i) ≤ rank.
        do
            --p;
        while (m_choose[static_cast<size_t>(p)][static_cast<size_t>(i)] > rank);
        subset |= BetMask{1} << p;
        rank -= m_choose[static_cast<size_t>(p)][static_cast<size_t>(i)];
    }
    return subset;
}

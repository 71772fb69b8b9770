#include "wheels/orbit_search.h"

#include "wheels/subset_rank.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <random>
#include <unordered_map>

namespace {

// The T-sets grouped in orbits: a union of whole bet orbits covers a T-set
// exactly when it covers its orbit, so one counter an orbit is enough, and
// a swap in an orbit's first bet costs what a swap costs in the general
// search.
class OrbitCover
{
public:
    OrbitCover(const WheelTerms &terms, const NumberGroup &group)
        : m_terms(terms)
        , m_ranker(terms.v, terms.t)
        , m_orbit(m_ranker.size(), UINT32_MAX)
    {
        for (std::uint32_t r = 0; r < m_ranker.size(); ++r) {
            if (m_orbit[r] != UINT32_MAX)
                continue;
            const BetMask set = m_ranker.unrank(r);
            const auto id = static_cast<std::uint32_t>(m_first.size());
            m_first.push_back(set);
            for (size_t g = 0; g < group.size(); ++g)
                m_orbit[m_ranker.rank(group.apply(g, set))] = id;
        }
        m_count.assign(m_first.size(), 0);
        for (std::uint32_t o = 0; o < m_first.size(); ++o) {
            m_place.push_back(o);
            m_uncovered.push_back(o);
        }
    }

    std::uint32_t uncovered() const { return static_cast<std::uint32_t>(m_uncovered.size()); }
    BetMask uncoveredSet(std::uint32_t i) const { return m_first[m_uncovered[i]]; }

    void add(BetMask bet)
    {
        forEachSubset(bet, m_terms.t, [&](BetMask s) { raise(m_orbit[m_ranker.rank(s)]); });
    }
    void remove(BetMask bet)
    {
        forEachSubset(bet, m_terms.t, [&](BetMask s) { lower(m_orbit[m_ranker.rank(s)]); });
    }
    // The orbits this bet alone covers.
    std::uint32_t sole(BetMask bet) const
    {
        std::unordered_map<std::uint32_t, std::uint32_t> mine;
        forEachSubset(bet, m_terms.t, [&](BetMask s) { ++mine[m_orbit[m_ranker.rank(s)]]; });
        std::uint32_t sole = 0;
        for (const auto &[orbit, times] : mine)
            sole += m_count[orbit] == times;
        return sole;
    }

private:
    void raise(std::uint32_t o)
    {
        if (m_count[o]++ == 0) {
            const std::uint32_t last = m_uncovered.back();
            m_uncovered[m_place[o]] = last;
            m_place[last] = m_place[o];
            m_uncovered.pop_back();
        }
    }
    void lower(std::uint32_t o)
    {
        if (--m_count[o] == 0) {
            m_place[o] = static_cast<std::uint32_t>(m_uncovered.size());
            m_uncovered.push_back(o);
        }
    }

    WheelTerms m_terms;
    SubsetRanker m_ranker;
    std::vector<std::uint32_t> m_orbit; // the orbit of each T-set
    std::vector<BetMask> m_first;       // a T-set of each orbit
    std::vector<std::uint32_t> m_count; // T-subsets of first bets in the orbit
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::uint32_t> m_place;
};

BetMask member(std::mt19937_64 &random, BetMask set)
{
    for (auto skip = random() % static_cast<std::uint64_t>(std::popcount(set)); skip > 0; --skip)
        set &= set - 1;
    return set & (~set + 1);
}

std::vector<BetMask> expanded(const std::vector<BetMask> &bases, const NumberGroup &group)
{
    std::vector<BetMask> bets;
    for (const BetMask base : bases)
        for (size_t g = 0; g < group.size(); ++g)
            bets.push_back(group.apply(g, base));
    std::sort(bets.begin(), bets.end());
    bets.erase(std::unique(bets.begin(), bets.end()), bets.end());
    return bets;
}

size_t weakestBase(const OrbitCover &cover, const std::vector<BetMask> &bases)
{
    size_t weakest = 0;
    std::uint32_t least = UINT32_MAX;
    for (size_t j = 0; j < bases.size(); ++j)
        if (const std::uint32_t sole = cover.sole(bases[j]); sole < least) {
            least = sole;
            weakest = j;
        }
    return weakest;
}

} // namespace

std::vector<BetMask> orbitWheel(const WheelTerms &terms, const NumberGroup &group, std::uint64_t seed,
                                const OrbitBudget &budget)
{
    if (terms.m != terms.t)
        return {};
    const BudgetWatch watch(budget);
    std::mt19937_64 random(seed);
    OrbitCover cover(terms, group);
    // Random first bets until every orbit is covered.
    std::vector<BetMask> bases;
    while (cover.uncovered() > 0) {
        BetMask bet = 0;
        while (std::popcount(bet) < terms.k)
            bet |= BetMask{1} << (random() % static_cast<std::uint64_t>(terms.v));
        bases.push_back(bet);
        cover.add(bet);
    }
    const bool unbounded = budget.unbounded();
    std::vector<BetMask> best;
    // Every image of every first bet, in the order of the bets.
    std::vector<BetMask> images;
    constexpr double kHot = 0.6;
    constexpr double kCold = 0.05;
    constexpr std::uint64_t kRound = 20000;
    for (std::uint64_t step = 0;; ++step) {
        if (cover.uncovered() == 0) {
            const std::vector<BetMask> bets = expanded(bases, group);
            if (best.empty() || bets.size() < best.size())
                best = bets;
            if (bases.size() <= 1 || unbounded)
                break;
            const size_t weakest = weakestBase(cover, bases);
            cover.remove(bases[weakest]);
            bases.erase(bases.begin() + static_cast<long>(weakest));
            images.clear();
            continue;
        }
        if (watch.spent(step))
            break;
        // An image of a first bet that meets an uncovered T-set in T − 1
        // numbers swaps in the missing one; the swap, carried back, is made
        // in the first bet, and kept by the Metropolis rule.
        const BetMask target = cover.uncoveredSet(static_cast<std::uint32_t>(random() % cover.uncovered()));
        size_t chosen = bases.size();
        size_t element = 0;
        std::uint64_t seen = 0;
        if (images.size() != bases.size() * group.size()) {
            images.clear();
            for (const BetMask base : bases)
                for (size_t g = 0; g < group.size(); ++g)
                    images.push_back(group.apply(g, base));
        }
        for (size_t i = 0; i < images.size(); ++i)
            if (bitCount(images[i] & target) == terms.t - 1 && random() % ++seen == 0) {
                chosen = i / group.size();
                element = i % group.size();
            }
        if (chosen == bases.size()) {
            chosen = random() % bases.size();
            element = 0;
        }
        const BetMask image = group.apply(element, bases[chosen]);
        const size_t back = group.inverse(element);
        const BetMask out = group.apply(back, member(random, image & ~target));
        const BetMask in = group.apply(back, member(random, target & ~image));
        const BetMask old = bases[chosen];
        const BetMask now = (old & ~out) | in;
        const long before = cover.uncovered();
        cover.remove(old);
        cover.add(now);
        const long cost = static_cast<long>(cover.uncovered()) - before;
        const double phase = static_cast<double>(step % kRound) / static_cast<double>(kRound);
        const double temperature = kHot * std::pow(kCold / kHot, phase);
        const double unit = static_cast<double>(random() >> 11) * 0x1.0p-53;
        if (cost > 0 && unit >= std::exp(-static_cast<double>(cost) / temperature)) {
            cover.remove(now);
            cover.add(old);
        } else {
            bases[chosen] = now;
            for (size_t g = 0; g < group.size(); ++g)
                images[chosen * group.size() + g] = group.apply(g, now);
        }
    }
    return best;
}

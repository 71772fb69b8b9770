#include "wheels/cyclic_search.h"

#include "wheels/subset_rank.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <random>
#include <unordered_map>

namespace {

class Rotation
{
public:
    Rotation(int v, int n)
        : m_n(n)
        , m_low((BetMask{1} << n) - 1)
        , m_all((BetMask{1} << v) - 1)
    {}
    BetMask turn(BetMask set, int by) const
    {
        const BetMask low = set & m_low;
        const BetMask turned = by == 0 ? low : ((low << by) | (low >> (m_n - by))) & m_low;
        return turned | (set & m_all & ~m_low);
    }

private:
    int m_n;
    BetMask m_low;
    BetMask m_all;
};

// The T-sets grouped in orbits: a union of whole bet orbits covers a T-set
// exactly when it covers its orbit, so one counter an orbit is enough and a
// swap in a first bet costs what a swap costs in the general search.
class OrbitCover
{
public:
    OrbitCover(const WheelSpec &spec, const Rotation &rotation, int n)
        : m_spec(spec)
        , m_ranker(spec.v, spec.t)
        , m_orbit(m_ranker.size(), UINT32_MAX)
    {
        for (std::uint32_t r = 0; r < m_ranker.size(); ++r) {
            if (m_orbit[r] != UINT32_MAX)
                continue;
            const BetMask set = m_ranker.unrank(r);
            const auto id = static_cast<std::uint32_t>(m_first.size());
            m_first.push_back(set);
            for (int s = 0; s < n; ++s)
                m_orbit[m_ranker.rank(rotation.turn(set, s))] = id;
        }
        m_count.assign(m_first.size(), 0);
        m_place.resize(m_first.size());
        for (std::uint32_t o = 0; o < m_first.size(); ++o) {
            m_place[o] = o;
            m_uncovered.push_back(o);
        }
    }

    std::uint32_t uncovered() const { return static_cast<std::uint32_t>(m_uncovered.size()); }
    BetMask uncoveredSet(std::uint32_t i) const { return m_first[m_uncovered[i]]; }

    void add(BetMask bet)
    {
        forEachSubset(bet, m_spec.t, [&](BetMask s) { raise(m_orbit[m_ranker.rank(s)]); });
    }
    void remove(BetMask bet)
    {
        forEachSubset(bet, m_spec.t, [&](BetMask s) { lower(m_orbit[m_ranker.rank(s)]); });
    }
    std::uint32_t sole(BetMask bet) const
    {
        // Orbits this bet alone covers, each counted once.
        std::unordered_map<std::uint32_t, std::uint32_t> mine;
        forEachSubset(bet, m_spec.t, [&](BetMask s) { ++mine[m_orbit[m_ranker.rank(s)]]; });
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

    WheelSpec m_spec;
    SubsetRanker m_ranker;
    std::vector<std::uint32_t> m_orbit; // orbit of each T-set
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

std::vector<BetMask> expanded(const std::vector<BetMask> &bases, const Rotation &rotation, int n)
{
    std::vector<BetMask> bets;
    for (const BetMask base : bases)
        for (int s = 0; s < n; ++s)
            bets.push_back(rotation.turn(base, s));
    std::sort(bets.begin(), bets.end());
    bets.erase(std::unique(bets.begin(), bets.end()), bets.end());
    return bets;
}

} // namespace

std::vector<BetMask> cyclicWheel(const WheelSpec &spec, int n, std::uint64_t seed, const CyclicBudget &budget)
{
    if (spec.m != spec.t || n < 2 || n > spec.v)
        return {};
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    std::mt19937_64 random(seed);
    const Rotation rotation(spec.v, n);
    OrbitCover cover(spec, rotation, n);
    std::vector<BetMask> bases;
    // Random first bets until every orbit is covered, then one fewer after
    // each success.
    while (cover.uncovered() > 0) {
        BetMask bet = 0;
        while (std::popcount(bet) < spec.k)
            bet |= BetMask{1} << (random() % static_cast<std::uint64_t>(spec.v));
        bases.push_back(bet);
        cover.add(bet);
    }
    std::vector<BetMask> best;
    constexpr double kHot = 0.6;
    constexpr double kCold = 0.05;
    constexpr std::uint64_t kRound = 20000;
    for (std::uint64_t step = 0;; ++step) {
        if (cover.uncovered() == 0) {
            const std::vector<BetMask> bets = expanded(bases, rotation, n);
            if (best.empty() || bets.size() < best.size())
                best = bets;
            if (bases.size() <= 1)
                break;
            size_t weakest = 0;
            std::uint32_t least = UINT32_MAX;
            for (size_t j = 0; j < bases.size(); ++j)
                if (const std::uint32_t sole = cover.sole(bases[j]); sole < least) {
                    least = sole;
                    weakest = j;
                }
            cover.remove(bases[weakest]);
            bases.erase(bases.begin() + static_cast<long>(weakest));
            continue;
        }
        if (budget.steps != 0 && step >= budget.steps)
            break;
        if (step % 256 == 0 && ((budget.cancel && budget.cancel->load(std::memory_order_relaxed))
                                || (budget.seconds > 0 && elapsed() >= budget.seconds)))
            break;
        // A turned copy of a first bet that meets an uncovered T-set in
        // T − 1 numbers swaps in the missing one; the swap, turned back,
        // is made in the first bet.
        const BetMask target = cover.uncoveredSet(static_cast<std::uint32_t>(random() % cover.uncovered()));
        size_t chosen = bases.size();
        int turn = 0;
        std::uint64_t seen = 0;
        for (size_t j = 0; j < bases.size(); ++j)
            for (int s = 0; s < n; ++s)
                if (std::popcount(rotation.turn(bases[j], s) & target) == spec.t - 1 && random() % ++seen == 0) {
                    chosen = j;
                    turn = s;
                }
        if (chosen == bases.size()) {
            chosen = random() % bases.size();
            turn = 0;
        }
        const BetMask copy = rotation.turn(bases[chosen], turn);
        const int back = (n - turn) % n;
        const BetMask out = rotation.turn(member(random, copy & ~target), back);
        const BetMask in = rotation.turn(member(random, target & ~copy), back);
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
        }
    }
    return best;
}

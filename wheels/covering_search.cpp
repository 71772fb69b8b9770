#include "wheels/covering_search.h"

#include "wheels/binomial.h"
#include "wheels/cover_state.h"
#include "wheels/orbit_search.h"
#include "wheels/subset_rank.h"
#include "wheels/weighted_cover.h"

#include <bit>
#include <chrono>
#include <climits>
#include <cmath>
#include <random>

namespace {

// The generator's own bounded draw, so that a seed gives the same wheel with
// any standard library.
class Random
{
public:
    explicit Random(std::uint64_t seed)
        : m_engine(seed)
    {}
    std::uint64_t below(std::uint64_t n) { return m_engine() % n; }
    double unit() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }
    // One number of the set, as a one-bit mask.
    BetMask member(BetMask set)
    {
        for (auto skip = below(static_cast<std::uint64_t>(std::popcount(set))); skip > 0; --skip)
            set &= set - 1;
        return set & (~set + 1);
    }

private:
    std::mt19937_64 m_engine;
};

class Clock
{
public:
    double seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

void removeWeakest(CoverState &state)
{
    size_t weakest = 0;
    std::uint32_t least = UINT32_MAX;
    for (size_t i = 0; i < state.bets().size(); ++i) {
        const std::uint32_t sole = state.soleCover(i);
        if (sole < least) {
            least = sole;
            weakest = i;
        }
    }
    state.removeBet(weakest);
}

// One annealing step aimed at an uncovered M-set: a bet that already meets it
// in T − 1 numbers swaps one of its other numbers for a missing one, which
// covers the set, and the swap is kept by the Metropolis rule on what it
// uncovers elsewhere.
void anneal(CoverState &state, Random &random, double temperature)
{
    const WheelTerms &s = state.terms();
    const BetMask target = state.uncoveredSet(static_cast<std::uint32_t>(random.below(state.uncovered())));
    const std::vector<BetMask> &bets = state.bets();
    size_t chosen = bets.size();
    std::uint64_t seen = 0;
    for (size_t i = 0; i < bets.size(); ++i)
        if (bitCount(bets[i] & target) == s.t - 1 && random.below(++seen) == 0)
            chosen = i;
    if (chosen == bets.size())
        chosen = static_cast<size_t>(random.below(bets.size()));
    const BetMask out = random.member(bets[chosen] & ~target);
    const BetMask in = random.member(target & ~bets[chosen]);
    const int cost = state.moveCost(chosen, out, in);
    if (cost <= 0 || random.unit() < std::exp(-cost / temperature))
        state.move(chosen, out, in);
}

// The tabu step: of all swaps that would cover one uncovered M-set, the one
// that leaves fewest uncovered, except swaps that bring back a number the
// bet gave up within the last `tenure` steps (unless they beat the best
// count seen at this size).
class TabuWalk
{
public:
    explicit TabuWalk(const WheelTerms &terms)
        : m_v(terms.v)
    {}

    void reset(size_t bets)
    {
        m_until.assign(bets * static_cast<size_t>(m_v), 0);
        m_fewest = UINT32_MAX;
    }

    void step(CoverState &state, Random &random, std::uint64_t now, std::uint64_t tenure)
    {
        const WheelTerms &s = state.terms();
        const BetMask target
            = state.uncoveredSet(static_cast<std::uint32_t>(random.below(state.uncovered())));
        const std::vector<BetMask> &bets = state.bets();
        const long uncovered = state.uncovered();
        long bestCost = LONG_MAX;
        std::uint64_t ties = 0;
        size_t chosen = 0;
        BetMask chosenOut = 0, chosenIn = 0;
        for (size_t i = 0; i < bets.size(); ++i) {
            if (bitCount(bets[i] & target) != s.t - 1)
                continue;
            for (BetMask ins = target & ~bets[i]; ins != 0; ins &= ins - 1) {
                const BetMask in = ins & (~ins + 1);
                const bool tabu
                    = m_until[i * static_cast<size_t>(m_v) + static_cast<size_t>(std::countr_zero(in))] > now;
                for (BetMask outs = bets[i] & ~target; outs != 0; outs &= outs - 1) {
                    const BetMask out = outs & (~outs + 1);
                    const long cost = state.moveCost(i, out, in);
                    if (tabu && uncovered + cost >= static_cast<long>(m_fewest))
                        continue;
                    if (cost < bestCost) {
                        bestCost = cost;
                        ties = 0;
                    }
                    if (cost == bestCost && random.below(++ties) == 0) {
                        chosen = i;
                        chosenOut = out;
                        chosenIn = in;
                    }
                }
            }
        }
        if (ties == 0) {
            chosen = static_cast<size_t>(random.below(bets.size()));
            chosenOut = random.member(bets[chosen] & ~target);
            chosenIn = random.member(target & ~bets[chosen]);
        }
        state.move(chosen, chosenOut, chosenIn);
        m_until[chosen * static_cast<size_t>(m_v) + static_cast<size_t>(std::countr_zero(chosenOut))]
            = now + tenure;
        m_fewest = std::min(m_fewest, state.uncovered());
    }

private:
    int m_v;
    std::vector<std::uint64_t> m_until;
    std::uint32_t m_fewest = UINT32_MAX;
};

} // namespace

std::vector<BetMask> greedyWheel(const WheelTerms &terms)
{
    // Covering every T-set also meets every larger M-set in T numbers, so the
    // T-set covering serves any M; the annealing then thins it for M.
    const SubsetRanker ranker(terms.v, terms.t);
    std::vector<bool> covered(ranker.size(), false);
    std::vector<BetMask> bets;
    const BetMask all = (BetMask{1} << terms.v) - 1;
    for (std::uint32_t next = 0; next < ranker.size(); ++next) {
        if (covered[next])
            continue;
        BetMask bet = ranker.unrank(next);
        while (std::popcount(bet) < terms.k) {
            BetMask best = 0;
            int bestGain = -1;
            for (BetMask rest = all & ~bet; rest != 0; rest &= rest - 1) {
                const BetMask number = rest & (~rest + 1);
                int gain = 0;
                forEachSubset(bet, terms.t - 1,
                              [&](BetMask s) { gain += !covered[ranker.rank(s | number)]; });
                if (gain > bestGain) {
                    bestGain = gain;
                    best = number;
                }
            }
            bet |= best;
        }
        forEachSubset(bet, terms.t, [&](BetMask s) { covered[ranker.rank(s)] = true; });
        bets.push_back(bet);
    }
    return bets;
}

namespace {

// The bets that cover something the earlier ones do not, then without those
// the later ones made unnecessary (a removed bet's place takes the last one,
// already passed and still needed): a start made for a smaller M, or grown
// from two smaller wheels, holds many such bets. For 35 numbers this takes
// seconds, so it stops when told to, giving the bets as they came.
std::vector<BetMask> withoutSpareBets(const WheelTerms &terms, const std::vector<BetMask> &bets,
                                      const std::function<bool()> &stopped)
{
    CoverState state(terms);
    for (const BetMask bet : bets) {
        if (state.uncovered() == 0)
            break;
        if (state.wouldCover(bet) > 0)
            state.addBet(bet);
        if (stopped())
            return bets;
    }
    for (size_t i = state.bets().size(); i-- > 0;) {
        if (state.bets().size() > 1 && state.soleCover(i) == 0)
            state.removeBet(i);
        if (stopped())
            break;
    }
    return state.uncovered() == 0 ? state.bets() : bets;
}

} // namespace

std::vector<BetMask> searchWheel(const WheelTerms &terms, const WheelSearchOptions &options)
{
    const Clock clock;
    Random random(options.seed);
    const auto stopped = [&] {
        return (options.cancel && options.cancel->load(std::memory_order_relaxed))
               || (options.seconds > 0 && clock.seconds() >= options.seconds);
    };
    std::vector<BetMask> best = options.start;
    if (best.empty() || !verifyWheel(terms, best))
        best = greedyWheel(terms);
    best = withoutSpareBets(terms, best, stopped);
    if ((options.seconds <= 0 && options.steps == 0) || stopped())
        return sortedBets(best);
    const auto improve = [&](const std::vector<BetMask> &found) {
        if (!found.empty() && found.size() < best.size() && verifyWheel(terms, found)) {
            best = found;
            if (options.progress)
                options.progress({static_cast<int>(best.size()), clock.seconds()});
        }
        return static_cast<int>(best.size()) <= options.goal;
    };
    // For M = T, a third of the budget goes to wheels made of whole orbits of
    // a group of the numbers, shared evenly among the groups worth trying,
    // and a third to the weighted cover of single bets from the best so far.
    const bool complete = terms.m == terms.t;
    if (complete && static_cast<int>(best.size()) > options.goal) {
        std::vector<NumberGroup> groups = wheelGroups(terms, options.affineGroups || !options.group.empty());
        if (!options.group.empty())
            std::erase_if(groups, [&](const NumberGroup &group) { return group.name() != options.group; });
        const auto share = static_cast<double>(groups.size()) * 3;
        for (size_t i = 0; i < groups.size(); ++i) {
            const OrbitBudget budget{static_cast<std::uint64_t>(static_cast<double>(options.steps) / share),
                                     options.seconds / share, options.cancel};
            const std::vector<BetMask> orbits
                = weightedCoverFits(terms, groups[i])
                      ? weightedCoverWheel(terms, groups[i], options.seed + i, budget)
                      : orbitWheel(terms, groups[i], options.seed + i, budget);
            if (improve(orbits))
                return sortedBets(best);
        }
        const OrbitBudget budget{options.steps / 3, options.seconds / 3, options.cancel};
        if (improve(weightedCoverWheel(terms, NumberGroup::rotation(terms.v, 1), options.seed, budget, best)))
            return sortedBets(best);
    }
    // For 35 numbers and M > T even counting what the bets cover takes
    // seconds, so it heeds the bounds too.
    CoverState state(terms);
    for (const BetMask bet : best) {
        state.addBet(bet);
        if (stopped())
            return sortedBets(best);
    }
    if (state.bets().size() > 1)
        removeWeakest(state);

    double reported = 0;
    const auto report = [&] {
        reported = clock.seconds();
        if (options.progress)
            options.progress({static_cast<int>(best.size()), reported});
    };
    report();

    // The temperature falls from hot to cold over one round and starts again,
    // so the search climbs out of the valleys it froze in.
    constexpr double kHot = 0.6;
    constexpr double kCold = 0.05;
    const std::uint64_t round = 20000 + 200 * static_cast<std::uint64_t>(best.size());
    const std::uint64_t steps = complete ? options.steps - 2 * (options.steps / 3) : options.steps;
    TabuWalk walk(terms);
    walk.reset(state.bets().size());
    // Weighing every swap that covers the picked set beats annealing's one
    // random swap while a swap is cheap to weigh; for M > T with many
    // numbers it is not, and annealing's speed wins.
    const auto weighWork
        = *binomial(terms.k - 1, terms.t - 1) * *binomial(terms.v - terms.k - 1, terms.m - terms.t);
    const bool useTabu = weighWork <= 64;
    // Look at the clock every step where a step weighs many sets.
    const std::uint64_t checkEvery = weighWork > 256 ? 1 : 256;
    constexpr std::uint64_t kTenure = 10;
    for (std::uint64_t step = 0;; ++step) {
        if (state.uncovered() == 0) {
            best = state.bets();
            report();
            if (static_cast<int>(best.size()) <= options.goal || best.size() <= 1)
                break;
            removeWeakest(state);
            walk.reset(state.bets().size());
            continue;
        }
        if (options.steps != 0 && step >= steps)
            break;
        if (step % checkEvery == 0) {
            if (stopped())
                break;
            if (clock.seconds() - reported >= 0.1)
                report();
        }
        const double phase = static_cast<double>(step % round) / static_cast<double>(round);
        if (useTabu)
            walk.step(state, random, step, kTenure + random.below(kTenure + 1));
        else
            anneal(state, random, kHot * std::pow(kCold / kHot, phase));
    }
    return sortedBets(best);
}

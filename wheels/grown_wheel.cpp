#include "wheels/grown_wheel.h"

#include "wheels/covering_search.h"

#include <bit>

namespace {

BetMask firstNumbers(int count)
{
    return (BetMask{1} << count) - 1;
}

// Bets of K numbers that hold every one of 1..V at least once: runs of K
// numbers, the last run made up from the first numbers.
std::vector<BetMask> everyNumberOnce(int v, int k)
{
    std::vector<BetMask> bets;
    for (int first = 0; first < v; first += k) {
        BetMask bet = firstNumbers(std::min(first + k, v)) & ~firstNumbers(first);
        for (int fill = 0; std::popcount(bet) < k; ++fill)
            bet |= BetMask{1} << fill;
        bets.push_back(bet);
    }
    return bets;
}

std::vector<BetMask> smallerWheel(const WheelShelf &shelf, const WheelTerms &terms, double seconds)
{
    if (terms.v == terms.k)
        return {firstNumbers(terms.v)};
    if (terms.t == 1)
        return everyNumberOnce(terms.v, terms.k);
    if (std::optional<std::vector<BetMask>> held = shelf.find(terms))
        return std::move(*held);
    WheelSearchOptions options;
    options.seconds = seconds;
    return searchWheel(terms, options);
}

} // namespace

std::vector<BetMask> grownWheel(int v, const std::vector<BetMask> &without,
                                const std::vector<BetMask> &beside)
{
    std::vector<BetMask> bets = without;
    const BetMask last = BetMask{1} << (v - 1);
    for (const BetMask bet : beside)
        bets.push_back(bet | last);
    return sortedBets(std::move(bets));
}

std::optional<std::vector<BetMask>> grownWheel(const WheelShelf &shelf, const WheelTerms &terms,
                                               double seconds)
{
    if (terms.m != terms.t || wheelTermsProblem(terms))
        return std::nullopt;
    const int v = terms.v - 1;
    const WheelTerms without{v, terms.k, terms.t, terms.t};
    const WheelTerms beside{v, terms.k - 1, terms.t - 1, terms.t - 1};
    const auto buildable
        = [](const WheelTerms &s) { return s.v == s.k || s.t == 1 || !wheelTermsProblem(s); };
    if (!buildable(without) || !buildable(beside))
        return std::nullopt;
    std::vector<BetMask> bets
        = grownWheel(terms.v, smallerWheel(shelf, without, seconds), smallerWheel(shelf, beside, seconds));
    if (!verifyWheel(terms, bets))
        return std::nullopt;
    return bets;
}

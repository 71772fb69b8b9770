#include "wheels/weighted_cover.h"

#include "wheels/binomial.h"
#include "wheels/subset_rank.h"

#include <algorithm>
#include <random>

namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

// The orbit of every r-set of the numbers, by rank, and a member and the
// size of each orbit.
struct Orbits
{
    std::vector<std::uint32_t> of;
    std::vector<BetMask> first;
    std::vector<std::uint32_t> size;
};

Orbits orbitsOf(const SubsetRanker &ranker, const NumberGroup &group)
{
    Orbits orbits;
    orbits.of.assign(ranker.size(), kNone);
    for (std::uint32_t r = 0; r < ranker.size(); ++r) {
        if (orbits.of[r] != kNone)
            continue;
        const auto id = static_cast<std::uint32_t>(orbits.first.size());
        const BetMask set = ranker.unrank(r);
        std::uint32_t size = 0;
        for (size_t g = 0; g < group.size(); ++g) {
            std::uint32_t &image = orbits.of[ranker.rank(group.apply(g, set))];
            size += image == kNone;
            image = id;
        }
        orbits.first.push_back(set);
        orbits.size.push_back(size);
    }
    return orbits;
}

// Lists of lists in two flat arrays: the items of list i are
// items[start[i] .. start[i + 1]).
struct Lists
{
    std::vector<std::uint32_t> start;
    std::vector<std::uint32_t> items;

    const std::uint32_t *begin(std::uint32_t i) const { return items.data() + start[i]; }
    const std::uint32_t *end(std::uint32_t i) const { return items.data() + start[i + 1]; }
};

// The columns (K-set orbits) with the rows (T-set orbits) each covers, and
// the other way round.
struct CoverTable
{
    std::vector<BetMask> first;      // a bet of each column
    std::vector<std::uint32_t> bets; // the bets of each column's orbit
    Lists rowsOf;
    Lists columnsOf;
    std::uint32_t rows = 0;
    SubsetRanker betRanker;
    std::vector<std::uint32_t> columnOfBet; // by the bet's rank

    CoverTable(const WheelTerms &terms, const NumberGroup &group)
        : betRanker(terms.v, terms.k)
    {
        const SubsetRanker setRanker(terms.v, terms.t);
        const Orbits sets = orbitsOf(setRanker, group);
        Orbits columns = orbitsOf(betRanker, group);
        rows = static_cast<std::uint32_t>(sets.first.size());
        first = std::move(columns.first);
        bets = std::move(columns.size);
        columnOfBet = std::move(columns.of);
        rowsOf.start.push_back(0);
        std::vector<std::uint32_t> counts(rows, 0);
        std::vector<std::uint32_t> mine;
        for (const BetMask bet : first) {
            mine.clear();
            forEachSubset(bet, terms.t, [&](BetMask set) { mine.push_back(sets.of[setRanker.rank(set)]); });
            std::sort(mine.begin(), mine.end());
            mine.erase(std::unique(mine.begin(), mine.end()), mine.end());
            for (const std::uint32_t row : mine)
                ++counts[row];
            rowsOf.items.insert(rowsOf.items.end(), mine.begin(), mine.end());
            rowsOf.start.push_back(static_cast<std::uint32_t>(rowsOf.items.size()));
        }
        columnsOf.start.assign(rows + 1, 0);
        for (std::uint32_t row = 0; row < rows; ++row)
            columnsOf.start[row + 1] = columnsOf.start[row] + counts[row];
        columnsOf.items.resize(rowsOf.items.size());
        std::vector<std::uint32_t> filled(columnsOf.start.begin(), columnsOf.start.end() - 1);
        for (std::uint32_t column = 0; column < first.size(); ++column)
            for (const std::uint32_t *row = rowsOf.begin(column); row != rowsOf.end(column); ++row)
                columnsOf.items[filled[*row]++] = column;
    }
};

// The columns chosen, with every row's cover count and weight and every
// column's score: for a chosen column minus the weight of the rows it alone
// covers (what dropping it loses), for another the weight of the uncovered
// rows it covers (what adding it gains).
class WeightedState
{
public:
    explicit WeightedState(const CoverTable &table)
        : m_table(table)
        , m_count(table.rows, 0)
        , m_chosenXor(table.rows, 0)
        , m_weight(table.rows, 1)
        , m_uncovered(table.rows)
        , m_place(table.rows)
        , m_score(table.first.size(), 0)
        , m_chosenPlace(table.first.size(), kNone)
    {
        for (std::uint32_t row = 0; row < table.rows; ++row) {
            m_uncovered[row] = row;
            m_place[row] = row;
        }
        for (std::uint32_t column = 0; column < table.first.size(); ++column)
            m_score[column] = table.rowsOf.start[column + 1] - table.rowsOf.start[column];
    }

    const std::vector<std::uint32_t> &chosen() const { return m_chosen; }
    bool isChosen(std::uint32_t column) const { return m_chosenPlace[column] != kNone; }
    std::uint64_t bets() const { return m_bets; }
    std::uint32_t uncovered() const { return static_cast<std::uint32_t>(m_uncovered.size()); }
    std::uint32_t uncoveredRow(std::uint32_t i) const { return m_uncovered[i]; }
    std::int64_t score(std::uint32_t column) const { return m_score[column]; }

    void add(std::uint32_t column)
    {
        m_chosenPlace[column] = static_cast<std::uint32_t>(m_chosen.size());
        m_chosen.push_back(column);
        m_bets += m_table.bets[column];
        for (const std::uint32_t *row = m_table.rowsOf.begin(column); row != m_table.rowsOf.end(column);
             ++row) {
            const std::uint32_t r = *row;
            if (m_count[r] == 0) {
                for (const std::uint32_t *other = m_table.columnsOf.begin(r);
                     other != m_table.columnsOf.end(r); ++other)
                    if (*other != column)
                        m_score[*other] -= m_weight[r];
                cover(r);
            } else if (m_count[r] == 1) {
                m_score[m_chosenXor[r]] += m_weight[r];
            }
            ++m_count[r];
            m_chosenXor[r] ^= column;
        }
        m_score[column] = -m_score[column];
    }

    void remove(std::uint32_t column)
    {
        const std::uint32_t place = m_chosenPlace[column];
        m_chosen[place] = m_chosen.back();
        m_chosenPlace[m_chosen[place]] = place;
        m_chosen.pop_back();
        m_chosenPlace[column] = kNone;
        m_bets -= m_table.bets[column];
        for (const std::uint32_t *row = m_table.rowsOf.begin(column); row != m_table.rowsOf.end(column);
             ++row) {
            const std::uint32_t r = *row;
            --m_count[r];
            m_chosenXor[r] ^= column;
            if (m_count[r] == 0) {
                for (const std::uint32_t *other = m_table.columnsOf.begin(r);
                     other != m_table.columnsOf.end(r); ++other)
                    if (*other != column)
                        m_score[*other] += m_weight[r];
                uncover(r);
            } else if (m_count[r] == 1) {
                m_score[m_chosenXor[r]] -= m_weight[r];
            }
        }
        m_score[column] = -m_score[column];
    }

    // Every uncovered row weighs one more, and so do the columns covering it.
    void weighUncovered()
    {
        for (const std::uint32_t r : m_uncovered) {
            ++m_weight[r];
            for (const std::uint32_t *other = m_table.columnsOf.begin(r); other != m_table.columnsOf.end(r);
                 ++other)
                ++m_score[*other];
        }
    }

private:
    void cover(std::uint32_t r)
    {
        const std::uint32_t last = m_uncovered.back();
        m_uncovered[m_place[r]] = last;
        m_place[last] = m_place[r];
        m_uncovered.pop_back();
    }
    void uncover(std::uint32_t r)
    {
        m_place[r] = static_cast<std::uint32_t>(m_uncovered.size());
        m_uncovered.push_back(r);
    }

    const CoverTable &m_table;
    std::vector<std::uint32_t> m_count;
    std::vector<std::uint32_t> m_chosenXor; // of the chosen columns covering the row: the one, when one
    std::vector<std::int64_t> m_weight;
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::uint32_t> m_place;
    std::vector<std::int64_t> m_score;
    std::vector<std::uint32_t> m_chosen;
    std::vector<std::uint32_t> m_chosenPlace;
    std::uint64_t m_bets = 0;
};

// Of the columns given, the one with the highest score that is not `barred`,
// ties going to the one left alone longest; kNone when none is left.
template<typename Columns>
std::uint32_t bestColumn(const WeightedState &state, const Columns &columns, std::uint32_t barred,
                         const std::vector<std::uint64_t> &touched)
{
    std::uint32_t best = kNone;
    for (const std::uint32_t column : columns) {
        if (column == barred)
            continue;
        if (best == kNone || state.score(column) > state.score(best)
            || (state.score(column) == state.score(best) && touched[column] < touched[best]))
            best = column;
    }
    return best;
}

struct Span
{
    const std::uint32_t *first;
    const std::uint32_t *last;
    const std::uint32_t *begin() const { return first; }
    const std::uint32_t *end() const { return last; }
};

std::vector<BetMask> wheelOf(const CoverTable &table, const NumberGroup &group,
                             const std::vector<std::uint32_t> &columns)
{
    std::vector<BetMask> bets;
    for (const std::uint32_t column : columns)
        for (size_t g = 0; g < group.size(); ++g)
            bets.push_back(group.apply(g, table.first[column]));
    std::sort(bets.begin(), bets.end());
    bets.erase(std::unique(bets.begin(), bets.end()), bets.end());
    return bets;
}

} // namespace

bool weightedCoverFits(const WheelTerms &terms, const NumberGroup &group)
{
    if (terms.m != terms.t || wheelTermsProblem(terms))
        return false;
    const std::optional<BetCount> columns = binomial(terms.v, terms.k);
    const std::optional<BetCount> pairs
        = columns ? checkedProduct(*columns, *binomial(terms.k, terms.t)) : std::nullopt;
    return pairs && *columns <= kMaxWheelTargets
           && *pairs / std::max<size_t>(group.size(), 1) <= kMaxCoverPairs;
}

std::vector<BetMask> weightedCoverWheel(const WheelTerms &terms, const NumberGroup &group, std::uint64_t seed,
                                        const OrbitBudget &budget, const std::vector<BetMask> &start)
{
    if (!weightedCoverFits(terms, group))
        return {};
    const BudgetWatch watch(budget);
    std::mt19937_64 random(seed);
    const CoverTable table(terms, group);
    WeightedState state(table);
    std::vector<std::uint64_t> touched(table.first.size(), 0);
    for (const BetMask bet : start)
        if (bitCount(bet) == terms.k && (bet >> terms.v) == 0) {
            const std::uint32_t column = table.columnOfBet[table.betRanker.rank(bet)];
            if (!state.isChosen(column))
                state.add(column);
        }
    // The greedy rest: for a random uncovered row, the column covering it
    // that covers most.
    while (state.uncovered() > 0) {
        const std::uint32_t row
            = state.uncoveredRow(static_cast<std::uint32_t>(random() % state.uncovered()));
        state.add(
            bestColumn(state, Span{table.columnsOf.begin(row), table.columnsOf.end(row)}, kNone, touched));
    }
    std::vector<std::uint32_t> best = state.chosen();
    std::uint64_t bestBets = state.bets();
    if (budget.unbounded())
        return wheelOf(table, group, best);

    std::uint32_t added = kNone;
    for (std::uint64_t step = 1;; ++step) {
        while (state.uncovered() == 0 && state.chosen().size() > 1) {
            if (state.bets() < bestBets) {
                bestBets = state.bets();
                best = state.chosen();
            }
            state.remove(bestColumn(state, state.chosen(), kNone, touched));
        }
        if (state.chosen().size() <= 1)
            break;
        if (watch.spent(step))
            break;
        const std::uint32_t dropped = bestColumn(state, state.chosen(), added, touched);
        if (dropped == kNone)
            break;
        state.remove(dropped);
        touched[dropped] = step;
        const std::uint32_t row
            = state.uncoveredRow(static_cast<std::uint32_t>(random() % state.uncovered()));
        added
            = bestColumn(state, Span{table.columnsOf.begin(row), table.columnsOf.end(row)}, dropped, touched);
        if (added == kNone)
            added = dropped;
        state.add(added);
        touched[added] = step;
        state.weighUncovered();
    }
    std::vector<BetMask> wheel = wheelOf(table, group, best);
    return verifyWheel(terms, wheel) ? wheel : std::vector<BetMask>{};
}

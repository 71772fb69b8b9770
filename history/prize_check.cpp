#include "history/prize_check.h"

#include <algorithm>
#include <bit>

namespace {

void setBit(std::uint64_t (&mask)[2], int value)
{
    if (value >= 0 && value < 128)
        mask[value / 64] |= std::uint64_t{1} << (value % 64);
}

int common(const std::uint64_t (&a)[2], const std::uint64_t (&b)[2])
{
    return std::popcount(a[0] & b[0]) + std::popcount(a[1] & b[1]);
}

int samePositions(const int *a, size_t aSize, const int *b, size_t bSize)
{
    int hits = 0;
    for (size_t i = 0; i < std::min(aSize, bSize); ++i)
        hits += a[i] == b[i] ? 1 : 0;
    return hits;
}

int longestRun(const int *a, size_t aSize, const int *b, size_t bSize)
{
    int best = 0;
    int run = 0;
    for (size_t i = 0; i < std::min(aSize, bSize); ++i) {
        run = a[i] == b[i] ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

// Digits the two have in common, counting repeats (a multiset meet).
int commonDigits(const int *a, size_t aSize, const int *b, size_t bSize)
{
    std::vector<int> rest(b, b + bSize);
    int hits = 0;
    for (size_t i = 0; i < aSize; ++i) {
        const auto found = std::find(rest.begin(), rest.end(), a[i]);
        if (found != rest.end()) {
            *found = -1;
            ++hits;
        }
    }
    return hits;
}

Prize inTier(Prize prize, PoolTier tier)
{
    if (tier == PoolTier::High && prize.highFen)
        prize.fen = *prize.highFen;
    if (tier != PoolTier::Both)
        prize.highFen.reset();
    return prize;
}

} // namespace

struct HistoryChecker::PreparedBet
{
    std::uint64_t front[2] = {0, 0};
    std::uint64_t back[2] = {0, 0};
    std::vector<int> frontValues;
    std::vector<int> backValues;
    std::vector<const PrizePlay *> plays; // per version; null where none fits
};

HistoryChecker::HistoryChecker(const std::vector<Draw> &draws, const DrawShape &shape,
                               const PrizeTable &table, const CheckOptions &options)
    : m_shape(shape)
    , m_table(table)
    , m_options(options)
{
    m_draws.reserve(draws.size());
    m_issues.reserve(draws.size());
    for (const Draw &draw : draws) {
        Prepared prepared;
        prepared.frontAt = m_values.size();
        for (int value : draw.front) {
            setBit(prepared.front, value);
            m_values.push_back(value);
        }
        prepared.frontSize = draw.front.size();
        prepared.backAt = m_values.size();
        for (int value : draw.back) {
            setBit(prepared.back, value);
            m_values.push_back(value);
        }
        prepared.backSize = draw.back.size();
        prepared.special = draw.special.value_or(-1);
        prepared.version = table.versionIndexFor(draw.issue);
        m_draws.push_back(prepared);
        m_issues.push_back(draw.issue);
    }
    m_values.push_back(0); // so that the end of the last draw is an address
}

HistoryChecker::PreparedBet HistoryChecker::prepare(const LotteryNumbers &bet) const
{
    PreparedBet prepared;
    prepared.frontValues = bet.front;
    prepared.backValues = bet.back;
    for (int value : bet.front)
        setBit(prepared.front, value);
    for (int value : bet.back)
        setBit(prepared.back, value);
    const int backCount = m_shape.back ? m_shape.back->count : 0;
    for (const PrizeVersion &version : m_table.versions()) {
        const PrizePlay *play = nullptr;
        if (version.hasBack == m_shape.back.has_value() && static_cast<int>(bet.back.size()) == backCount)
            play = version.playFor(static_cast<int>(bet.front.size()), m_options.play);
        // A positional play needs the draw to hold a digit for each of the bet's.
        if (play && play->rule != HitRule::Numbers && play->betCount != m_shape.front.count)
            play = nullptr;
        prepared.plays.push_back(play);
    }
    return prepared;
}

HistoryChecker::Hits HistoryChecker::hitsOf(const PreparedBet &bet, const Prepared &draw, HitRule rule) const
{
    const size_t frontSize = draw.frontSize;
    const size_t backSize = draw.backSize;
    const int *front = &m_values[draw.frontAt];
    const int *back = &m_values[draw.backAt];
    const std::vector<int> &betFront = bet.frontValues;
    Hits hits;
    switch (rule) {
    case HitRule::Numbers:
        hits.front = common(bet.front, draw.front);
        break;
    case HitRule::Positions:
        hits.front = samePositions(betFront.data(), betFront.size(), front, frontSize);
        break;
    case HitRule::Consecutive:
        hits.front = longestRun(betFront.data(), betFront.size(), front, frontSize);
        break;
    case HitRule::Group3:
    case HitRule::Group6: {
        const int distinct = std::popcount(draw.front[0]) + std::popcount(draw.front[1]);
        const int wanted = static_cast<int>(frontSize) - (rule == HitRule::Group3 ? 1 : 0);
        hits.front
            = distinct == wanted ? commonDigits(betFront.data(), betFront.size(), front, frontSize) : 0;
        break;
    }
    }
    if (m_shape.back && m_shape.back->digits)
        hits.back = samePositions(bet.backValues.data(), bet.backValues.size(), back, backSize);
    else
        hits.back = common(bet.back, draw.back);
    hits.special = draw.special >= 0 && draw.special < 128
                   && (bet.front[draw.special / 64] >> (draw.special % 64) & 1) != 0;
    return hits;
}

const PrizePlay *HistoryChecker::playOf(const PreparedBet &bet, int version) const
{
    return version < 0 ? nullptr : bet.plays[static_cast<size_t>(version)];
}

const PrizeVersion *HistoryChecker::versionOf(size_t index) const
{
    const int version = m_draws[index].version;
    return version < 0 ? nullptr : &m_table.versions()[static_cast<size_t>(version)];
}

BetCheck HistoryChecker::checkOne(const LotteryNumbers &bet, size_t index) const
{
    const PreparedBet prepared = prepare(bet);
    const Prepared &draw = m_draws[index];
    const PrizePlay *play = playOf(prepared, draw.version);
    const Hits hits = hitsOf(prepared, draw, play ? play->rule : defaultRule());
    BetCheck check;
    check.frontHits = hits.front;
    check.backHits = hits.back;
    check.specialHit = hits.special;
    check.rated = play != nullptr;
    if (play) {
        check.rank = play->levelFor(hits.front, hits.back, hits.special);
        if (check.rank >= 0) {
            const PrizeLevel &level = play->levels[static_cast<size_t>(check.rank)];
            check.level = level.name;
            check.prize = inTier(level.prize, m_options.tier);
        }
    }
    return check;
}

std::string HistoryChecker::unratedReason(const LotteryNumbers &bet, size_t index) const
{
    if (m_table.empty())
        return "本彩票没有奖级规则，只显示命中个数";
    const PrizeVersion *version = versionOf(index);
    if (!version)
        return "第" + m_issues[index] + "期没有适用的奖级规则，只显示命中个数";
    if (version->hasBack != m_shape.back.has_value())
        return "奖级规则与本彩票的号码区不符，只显示命中个数";
    if (!playOf(prepare(bet), m_draws[index].version)) {
        if (!m_options.play.empty())
            return "玩法“" + m_options.play + "”没有" + std::to_string(bet.front.size()) + "个号码的奖级规则";
        return "不是单式投注，只显示命中个数";
    }
    return {};
}

HistoryCheck HistoryChecker::check(const LotteryNumbers &bet) const
{
    const PreparedBet prepared = prepare(bet);
    const std::vector<PrizeVersion> &versions = m_table.versions();
    std::vector<std::vector<int>> counts(versions.size());
    for (size_t v = 0; v < versions.size(); ++v) {
        if (prepared.plays[v])
            counts[v].assign(prepared.plays[v]->levels.size(), 0);
    }
    HistoryCheck result;
    result.draws = static_cast<int>(m_draws.size());
    for (const Prepared &draw : m_draws) {
        const PrizePlay *play = playOf(prepared, draw.version);
        if (!play) {
            const Hits hits = hitsOf(prepared, draw, defaultRule());
            const auto most = std::make_pair(result.mostFront, result.mostBack);
            const auto these = std::make_pair(hits.front, hits.back);
            if (result.mostDraws == 0 || these > most) {
                result.mostFront = hits.front;
                result.mostBack = hits.back;
                result.mostDraws = 1;
            } else if (these == most) {
                ++result.mostDraws;
            }
            continue;
        }
        ++result.rated;
        const Hits hits = hitsOf(prepared, draw, play->rule);
        const int level = play->levelFor(hits.front, hits.back, hits.special);
        if (level >= 0)
            ++counts[static_cast<size_t>(draw.version)][static_cast<size_t>(level)];
    }
    // Each version's levels apart, ordered by their place in their play,
    // an older version's before a newer one's of the same place.
    std::vector<std::pair<int, LevelCount>> listed;
    for (size_t v = 0; v < versions.size(); ++v) {
        for (size_t l = 0; l < counts[v].size(); ++l) {
            if (counts[v][l] == 0)
                continue;
            const PrizeLevel &level = prepared.plays[v]->levels[l];
            const Prize prize = inTier(level.prize, m_options.tier);
            listed.push_back(
                {static_cast<int>(l), {level.name, counts[v][l], versions[v].firstIssue, prize}});
            if (prize.floating) {
                result.floating += counts[v][l];
                continue;
            }
            result.wonFen += prize.fen * counts[v][l];
            result.wonHighFen += prize.highFen.value_or(prize.fen) * counts[v][l];
            if (prize.highFen)
                result.highCondition = versions[v].highCondition;
        }
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (auto &entry : listed)
        result.counts.push_back(std::move(entry.second));
    result.severalVersions = versions.size() > 1;
    if (!result.counts.empty())
        result.best = result.counts.front().level;
    return result;
}

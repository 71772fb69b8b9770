#include "history/prize_rules.h"

#include "base/app_error.h"
#include "history/draw.h"

#include <algorithm>
#include <map>

namespace {

// Upper bound of hit counts a row may name; bets hold at most 55 numbers.
constexpr int kMaxHits = 99;

std::optional<HitRule> hitRuleOf(const std::string &match)
{
    static const std::map<std::string, HitRule> rules = {
        {"号码", HitRule::Numbers}, {"对位", HitRule::Positions}, {"连续对位", HitRule::Consecutive},
        {"组选3", HitRule::Group3}, {"组选6", HitRule::Group6},
    };
    const auto found = rules.find(match);
    if (found == rules.end())
        return std::nullopt;
    return found->second;
}

// 元 text with at most two decimals ("3000", "4.5") in 分.
std::optional<std::int64_t> fenOf(const std::string &yuan)
{
    const size_t point = yuan.find('.');
    const std::string whole = yuan.substr(0, point);
    const std::string cents = point == std::string::npos ? "" : yuan.substr(point + 1);
    const auto digitsOnly = [](const std::string &text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 12 || cents.size() > 2 || !digitsOnly(whole) || !digitsOnly(cents)
        || (point != std::string::npos && cents.empty()))
        return std::nullopt;
    std::int64_t fen = std::stoll(whole) * 100;
    if (!cents.empty())
        fen += std::stoll(cents) * (cents.size() == 1 ? 10 : 1);
    return fen;
}

class RowError
{
public:
    RowError(const std::string &lottery, const PrizeRuleRow &row)
        : m_where("奖级表中“" + lottery + "”起始期号" + row.firstIssue + "的“" + row.level + "”：")
    {}
    [[noreturn]] void operator()(const std::string &what) const { throw AppError(m_where + what); }

private:
    std::string m_where;
};

Prize prizeOf(const PrizeRuleRow &row, const RowError &fail)
{
    Prize prize;
    if (row.prize == "浮动") {
        prize.floating = true;
    } else if (const auto fen = fenOf(row.prize)) {
        prize.fen = *fen;
    } else {
        fail("奖金“" + row.prize + "”不是元数或“浮动”");
    }
    if (!row.highPrize.empty()) {
        const auto high = fenOf(row.highPrize);
        if (!high || prize.floating)
            fail("高档奖金“" + row.highPrize + "”不是元数，或本级奖金是浮动的");
        prize.highFen = *high;
    }
    return prize;
}

PrizePlay &playOf(PrizeVersion &version, const PrizeRuleRow &row, HitRule rule, const RowError &fail)
{
    for (PrizePlay &play : version.plays) {
        if (play.name != row.play)
            continue;
        if (play.betCount != row.betCount || play.rule != rule)
            fail("同一玩法的投注个数或匹配方式不一致");
        return play;
    }
    PrizePlay play;
    play.name = row.play;
    play.betCount = row.betCount;
    play.rule = rule;
    version.plays.push_back(std::move(play));
    return version.plays.back();
}

// Enters one row's combination into its play, refusing a combination that
// another level already holds.
void addRow(PrizeVersion &version, const PrizeRuleRow &row, const RowError &fail)
{
    const auto rule = hitRuleOf(row.match);
    if (!rule)
        fail("匹配方式“" + row.match + "”不是号码、对位、连续对位、组选3或组选6");
    if (row.betCount < 1 || row.betCount > kMaxHits || row.frontHits < 0 || row.frontHits > row.betCount)
        fail("前区命中" + std::to_string(row.frontHits) + "不在0到投注个数" + std::to_string(row.betCount)
             + "之间");
    if (row.backHits && (*row.backHits < 0 || *row.backHits > kMaxHits))
        fail("后区命中" + std::to_string(*row.backHits) + "无效");
    if (row.specialHit && *row.specialHit != 0 && *row.specialHit != 1)
        fail("特别号只能是1或0");
    const auto price = fenOf(row.price);
    if (!price || *price == 0)
        fail("每注价格“" + row.price + "”不是元数");
    const bool first = version.plays.empty();
    if (first) {
        version.priceFen = *price;
        version.hasBack = row.backHits.has_value();
    } else if (version.priceFen != *price || version.hasBack != row.backHits.has_value()) {
        fail("同一版本的每注价格或后区条件不一致");
    }
    if (!row.highCondition.empty())
        version.highCondition = row.highCondition;
    const Prize prize = prizeOf(row, fail);
    PrizePlay &play = playOf(version, row, *rule, fail);

    auto level = std::find_if(play.levels.begin(), play.levels.end(),
                              [&](const PrizeLevel &known) { return known.name == row.level; });
    if (level == play.levels.end()) {
        play.levels.push_back({row.level, prize});
        level = play.levels.end() - 1;
    } else if (!(level->prize == prize)) {
        fail("同一奖级的奖金不一致");
    }
    const auto index = static_cast<std::int16_t>(level - play.levels.begin());

    const int back = row.backHits.value_or(0);
    if (back > play.maxBack) {
        // Widen the table; cells are [front][back][special].
        std::vector<std::int16_t> wider(static_cast<size_t>((play.betCount + 1) * (back + 1) * 2), -1);
        for (int f = 0; f <= play.betCount && !play.cells.empty(); ++f)
            for (int b = 0; b <= play.maxBack; ++b)
                for (int s = 0; s < 2; ++s)
                    wider[static_cast<size_t>((f * (back + 1) + b) * 2 + s)]
                        = play.cells[static_cast<size_t>((f * (play.maxBack + 1) + b) * 2 + s)];
        play.cells = std::move(wider);
        play.maxBack = back;
    }
    if (play.cells.empty())
        play.cells.assign(static_cast<size_t>((play.betCount + 1) * (play.maxBack + 1) * 2), -1);
    for (int s = 0; s < 2; ++s) {
        if (row.specialHit && *row.specialHit != s)
            continue;
        std::int16_t &cell
            = play.cells[static_cast<size_t>((row.frontHits * (play.maxBack + 1) + back) * 2 + s)];
        if (cell >= 0 && cell != index)
            fail("条件与“" + play.levels[static_cast<size_t>(cell)].name + "”重叠");
        cell = index;
    }
}

} // namespace

int PrizePlay::levelFor(int frontHits, int backHits, bool specialHit) const
{
    if (frontHits < 0 || frontHits > betCount || backHits < 0 || backHits > maxBack || cells.empty())
        return -1;
    return cells[static_cast<size_t>((frontHits * (maxBack + 1) + backHits) * 2 + (specialHit ? 1 : 0))];
}

const PrizePlay *PrizeVersion::playFor(int betCount, const std::string &play) const
{
    for (const PrizePlay &candidate : plays) {
        if (candidate.betCount == betCount && (play.empty() || candidate.name == play))
            return &candidate;
    }
    return nullptr;
}

PrizeTable PrizeTable::fromRows(const std::string &lottery, const std::vector<PrizeRuleRow> &rows)
{
    PrizeTable table;
    for (const PrizeRuleRow &row : rows) {
        if (row.lottery != lottery)
            continue;
        const RowError fail(lottery, row);
        const auto key = issueKey(row.firstIssue);
        if (!key)
            fail("起始期号“" + row.firstIssue + "”不是数字");
        auto version = std::find_if(table.m_versions.begin(), table.m_versions.end(),
                                    [&](const PrizeVersion &known) { return known.firstKey == *key; });
        if (version == table.m_versions.end()) {
            table.m_versions.emplace_back();
            version = table.m_versions.end() - 1;
            version->firstIssue = row.firstIssue;
            version->firstKey = *key;
        }
        addRow(*version, row, fail);
    }
    std::stable_sort(table.m_versions.begin(), table.m_versions.end(),
                     [](const PrizeVersion &a, const PrizeVersion &b) { return a.firstKey < b.firstKey; });
    return table;
}

int PrizeTable::versionIndexFor(const std::string &issue) const
{
    if (issue.empty())
        return static_cast<int>(m_versions.size()) - 1;
    const auto key = issueKey(issue);
    int found = -1;
    for (size_t i = 0; key && i < m_versions.size(); ++i) {
        if (m_versions[i].firstKey <= *key)
            found = static_cast<int>(i);
    }
    return found;
}

const PrizeVersion *PrizeTable::versionFor(const std::string &issue) const
{
    const int index = versionIndexFor(issue);
    return index < 0 ? nullptr : &m_versions[static_cast<size_t>(index)];
}

std::string yuanText(std::int64_t fen)
{
    std::string text = std::to_string(fen / 100);
    const std::int64_t cents = fen % 100;
    if (cents != 0) {
        text += '.' + std::to_string(cents / 10);
        if (cents % 10 != 0)
            text += std::to_string(cents % 10);
    }
    return text;
}

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The prize rules of lotteries as data (奖级表). A row is one winning
// combination of one level; a lottery's rows fall into versions, each in
// force from its first 期号 until the next version's, and within a version
// into plays (玩法) told apart by name and by the count of a bet's numbers.
// Within a play the levels stand best first.
struct PrizeRuleRow
{
    std::string lottery;           // 彩票名称
    std::string firstIssue;        // 起始期号; "0" for the earliest draws
    std::string play;              // 玩法: "" where a lottery has one, "选十", "单选"
    std::string level;             // 奖级
    int betCount = 0;              // 投注个数: numbers of a bet of this play
    std::string match;             // 匹配: 号码, 对位, 连续对位, 组选3 or 组选6
    int frontHits = 0;             // 前区命中
    std::optional<int> backHits;   // 后区命中; none for a lottery of one zone
    std::optional<int> specialHit; // 特别号 1 or 0; none where it does not count
    std::string prize;             // 奖金 in 元 ("3000", "4.5") or "浮动"
    std::string highPrize;         // 高档奖金: 元 in the pool's higher tier, or empty
    std::string highCondition;     // 高档条件: when that tier applies
    std::string price;             // 每注价格 in 元

    friend bool operator==(const PrizeRuleRow &, const PrizeRuleRow &) = default;
};

// The column names, in the order of the shipped CSV and of the table.
// clang-format off
inline constexpr std::array<std::string_view, 13> kPrizeColumns = {
    "彩票名称", "起始期号", "玩法", "奖级", "投注个数", "匹配", "前区命中",
    "后区命中", "特别号", "奖金", "高档奖金", "高档条件", "每注价格"};
// clang-format on

// The rows of the shipped CSV text (UTF-8, a header line, then one row a
// line; lines beginning with "#" are remarks). A malformed line throws
// AppError naming it.
std::vector<PrizeRuleRow> parsePrizeCsv(std::string_view text);

// The rules the program ships, compiled in from the CSV that also fills the
// shipped catalogue, for a catalogue that has no prize table yet.
const std::vector<PrizeRuleRow> &shippedPrizeRules();

// How a play counts a bet's front hits against the draw.
enum class HitRule {
    Numbers,     // 号码: numbers of the bet among the drawn numbers
    Positions,   // 对位: positions holding the drawn digit, anywhere
    Consecutive, // 连续对位: the longest run of neighbouring such positions
    Group3,      // 组选3: digits in common, in any order, when the draw has a pair
    Group6,      // 组选6: digits in common, in any order, when the draw's digits differ
};

// Money is held in 分 so that 4.5 元 adds up exactly.
struct Prize
{
    bool floating = false;
    std::int64_t fen = 0;
    std::optional<std::int64_t> highFen; // the pool's higher tier, where it pays more

    friend bool operator==(const Prize &, const Prize &) = default;
};

struct PrizeLevel
{
    std::string name;
    Prize prize;
};

struct PrizePlay
{
    std::string name;
    int betCount = 0;
    HitRule rule = HitRule::Numbers;
    std::vector<PrizeLevel> levels; // best first

    // The level (index into `levels`) these hits win, or -1.
    int levelFor(int frontHits, int backHits, bool specialHit) const;

    int maxBack = 0;
    std::vector<std::int16_t> cells; // [front][back][special] → level or -1
};

struct PrizeVersion
{
    std::string firstIssue;
    std::int64_t firstKey = 0;
    std::int64_t priceFen = 0;
    std::string highCondition;
    bool hasBack = false;
    std::vector<PrizePlay> plays;

    // The play of a bet of `betCount` numbers: the one named `play` when
    // given, else the first of that count; nothing when none fits.
    const PrizePlay *playFor(int betCount, const std::string &play) const;
};

// All rule versions of one lottery, oldest first. Built from rows that must
// agree with each other (one price per version, one prize per level, no two
// levels for the same hits); rows that do not throw AppError.
class PrizeTable
{
public:
    PrizeTable() = default;
    static PrizeTable fromRows(const std::string &lottery, const std::vector<PrizeRuleRow> &rows);

    bool empty() const { return m_versions.empty(); }
    const std::vector<PrizeVersion> &versions() const { return m_versions; }

    // The version in force for a draw of this 期号, or nothing before the
    // first version (or for a 期号 that is no number). A draw typed without
    // a 期号 is checked by the newest rules.
    const PrizeVersion *versionFor(const std::string &issue) const;
    int versionIndexFor(const std::string &issue) const; // -1 for none

private:
    std::vector<PrizeVersion> m_versions;
};

// An amount in 分 as 元 text: "15", "4.5", "0.05".
std::string yuanText(std::int64_t fen);

#pragma once

#include "history/prize_check.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The arithmetic of a 投注记录: what a ticket cost, what it won against the
// draw of its 期号 under the rules of that 期号, and the sums over a period.

// 大乐透 alone sells 追加: 1 元 more a bet, which raises only its floating
// 一等奖 and 二等奖, so the fixed prizes stay as they are.
inline constexpr std::int64_t kExtraFen = 100;
bool allowsExtra(const std::string &lottery);

// What a lottery costs a bet where no prize rule names its price: every
// lottery of the shipped rules sells at 2 元.
inline constexpr std::int64_t kCommonPriceFen = 200;

// One bought ticket. A bet of more numbers than the lottery's bet holds,
// in front or back, is a 复式 bet: every single bet its numbers make, each
// at the single bet's price and prize. (Of a 数字型 lottery every bet is
// taken as it stands.)
struct Ticket
{
    std::string lottery; // 彩票名称
    std::string issue;   // 期号 of the draw it is for
    std::string date;    // 购买日期 "YYYY-MM-DD", or empty
    std::vector<LotteryNumbers> bets;
    bool extra = false; // 追加, for a lottery that allows it
};

// How many single bets one bet of a ticket stands for: C(front, K) ×
// C(back, back count) for a 复式 bet; a bet of no more numbers than a
// single bet counts once as it stands (快乐8's 选五 among them).
std::int64_t singleBetCount(const LotteryNumbers &bet, const Lottery &lottery);
std::int64_t ticketBetCount(const Ticket &ticket, const Lottery &lottery);

// 投入 of a ticket in 分: its single bets at the price of the rules in force
// for its 期号 (kCommonPriceFen where none is), 追加 added where allowed.
std::int64_t ticketCostFen(const Ticket &ticket, const Lottery &lottery, const PrizeTable &table);

// The single bets of one line that won a level, and the prize of each.
struct LevelWin
{
    std::string level;
    int count = 0;
    Prize prize;
};

// One bet of a ticket against its draw.
struct TicketLine
{
    std::int64_t betCount = 1;
    int frontHits = 0; // the line's numbers among the drawn ones
    int backHits = 0;
    bool specialHit = false;
    bool rated = false;         // a prize rule applied to its single bets
    std::vector<LevelWin> wins; // best first

    // "五等奖 150元", "一等奖 浮动", for a 复式 bet "三等奖2注 四等奖5注";
    // empty when nothing was won.
    std::string prizeText() const;
};

struct TicketCheck
{
    std::string lottery;
    std::string issue;
    std::string date;
    bool extra = false;
    std::int64_t betCount = 0;
    std::int64_t costFen = 0;
    bool drawn = false;            // the draw of its 期号 is stored
    std::vector<TicketLine> lines; // each bet of the ticket, once drawn
    std::string unrated;           // why no prize rule applied, for some or all bets
    std::int64_t unratedBets = 0;
    std::int64_t wonFen = 0;     // the fixed prizes won
    std::int64_t wonHighFen = 0; // the same where the pool is in its higher tier
    std::string highCondition;   // when that tier applies
    std::int64_t floating = 0;   // single bets that won a floating prize

    // "未开奖", "0元", "15元", "浮动", "10元+浮动", "5元（奖池≥8亿元时7元）";
    // a floating prize of a 追加 ticket reads "浮动（追加）".
    std::string wonText() const;
};

// `ticket` against the stored draws of its lottery: the one of its 期号
// (26014 and 2026014 are the same 期号) under that 期号's rules. `tier`
// names the pool's tier where the draw's pool is known.
TicketCheck checkTicket(const Ticket &ticket, const std::vector<Draw> &draws, const Lottery &lottery,
                        const PrizeTable &table, PoolTier tier = PoolTier::Both);

// Many tickets of one lottery, the draws looked up once.
std::vector<TicketCheck> checkTickets(const std::vector<Ticket> &tickets, const std::vector<Draw> &draws,
                                      const Lottery &lottery, const PrizeTable &table,
                                      PoolTier tier = PoolTier::Both);

// Which tickets a sum covers: one lottery (empty: all) and the purchase
// dates from..to, both inclusive and either open when empty. A ticket
// without a date is only in a period open at both ends.
struct LedgerPeriod
{
    std::string lottery;
    std::string from;
    std::string to;

    bool covers(const TicketCheck &ticket) const;
};

// The sums of a period. Tickets not yet drawn are counted apart, so that
// 盈亏 and 回报率 compare only what is settled.
struct LedgerSummary
{
    int tickets = 0;          // drawn tickets
    std::int64_t bets = 0;    // their single bets
    std::int64_t costFen = 0; // 总投入
    std::int64_t wonFen = 0;  // 总奖金, fixed prizes
    std::int64_t wonHighFen = 0;
    std::string highCondition;
    std::int64_t floating = 0; // floating prizes won, not in the sums
    std::int64_t unratedBets = 0;
    int pending = 0; // tickets whose draw is not stored yet
    std::int64_t pendingFen = 0;

    std::int64_t balanceFen() const { return wonFen - costFen; } // 盈亏
    // 回报率 in tenths of a percent, rounded (奖金 / 投入); none without 投入.
    std::optional<std::int64_t> returnPermille() const;

    // "共3张 12注 投入24元 奖金15元 盈亏-9元 回报率62.5%", then where they
    // apply "（奖池≥8亿元时…）", "（另有浮动奖1注）", "（2注没有适用的奖级规则）",
    // "（未开奖1张 投入4元）".
    std::string text() const;
};

LedgerSummary summarizeLedger(const std::vector<TicketCheck> &tickets, const LedgerPeriod &period = {});

// An amount in 分 as 元 text with its sign: "-9", "15", "-4.5".
std::string signedYuanText(std::int64_t fen);

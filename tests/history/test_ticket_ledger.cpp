// The 投注记录 arithmetic: a ticket's cost, its check against the draw of
// its 期号 under that 期号's rules, the sums of a period, and the 期号
// proposed for the next draw.
#include "history/next_issue.h"
#include "history/ticket_ledger.h"

#include <gtest/gtest.h>

namespace {

const Lottery kSsq(Lotto, 33, 6, "蓝球", 16, 1);
const Lottery kDlt(Lotto, 35, 5, "后区", 12, 2);

PrizeTable shipped(const std::string &lottery)
{
    return PrizeTable::fromRows(lottery, shippedPrizeRules());
}

// Stored 大乐透 draws on both sides of the change of rules at 26014, the
// newer one stored in the long form of its 期号.
const std::vector<Draw> kDltDraws = {
    {{{4, 11, 18, 25, 35}, {3, 12}}, "大乐透", "26013", "2026-01-31"},
    {{{4, 11, 18, 25, 35}, {3, 12}}, "大乐透", "2026014", "2026-02-02"},
};
const std::vector<Draw> kSsqDraws = {
    {{{3, 9, 14, 20, 27, 33}, {7}}, "双色球", "2026093", "2026-08-09"},
};

Ticket dlt(const std::string &issue, const std::string &date, std::vector<LotteryNumbers> bets,
           bool extra = false)
{
    return {"大乐透", issue, date, std::move(bets), extra};
}

} // namespace

TEST(TicketLedger, CostAtThePriceOfTheIssuesRulesWithExtraWhereSold)
{
    const PrizeTable table = shipped("大乐透");
    const LotteryNumbers bet{{1, 2, 3, 4, 5}, {1, 2}};
    EXPECT_EQ(ticketCostFen(dlt("26014", "", {bet, bet, bet}), kDlt, table), 600);
    EXPECT_EQ(ticketCostFen(dlt("26014", "", {bet, bet, bet}, true), kDlt, table), 900);
    // Before the first shipped version the common price stands.
    EXPECT_EQ(ticketCostFen(dlt("18001", "", {bet}), kDlt, table), 200);
    // 双色球 sells no 追加.
    const Ticket ssq{"双色球", "2026093", "", {{{1, 2, 3, 4, 5, 6}, {1}}}, true};
    EXPECT_EQ(ticketCostFen(ssq, kSsq, shipped("双色球")), 200);
    EXPECT_FALSE(checkTicket(ssq, kSsqDraws, kSsq, shipped("双色球")).extra);
}

TEST(TicketLedger, EachTicketIsCheckedByTheRulesOfItsOwnIssue)
{
    const PrizeTable table = shipped("大乐透");
    // 4+0: 七等奖 100元 under the nine levels, 五等奖 150元 (200元 in the
    // pool's higher tier) from 26014.
    const LotteryNumbers fourFront{{4, 11, 18, 25, 1}, {5, 6}};
    const TicketCheck old = checkTicket(dlt("26013", "2026-01-30", {fourFront}), kDltDraws, kDlt, table);
    ASSERT_TRUE(old.drawn);
    EXPECT_EQ(old.lines[0].prizeText(), "七等奖 100元");
    EXPECT_EQ(old.wonFen, 10000);
    EXPECT_EQ(old.wonText(), "100元");

    const TicketCheck now = checkTicket(dlt("26014", "2026-02-01", {fourFront}), kDltDraws, kDlt, table);
    ASSERT_TRUE(now.drawn);
    EXPECT_EQ(now.lines[0].frontHits, 4);
    EXPECT_EQ(now.lines[0].wins[0].level, "五等奖");
    EXPECT_EQ(now.wonText(), "150元（奖池≥8亿元时200元）");
    EXPECT_EQ(checkTicket(dlt("26014", "", {fourFront}), kDltDraws, kDlt, table, PoolTier::High).wonText(),
              "200元");

    // A floating prize is marked, never summed; 追加 is named with it.
    const LotteryNumbers first{{4, 11, 18, 25, 35}, {3, 12}};
    const LotteryNumbers seventh{{4, 11, 18, 1, 2}, {5, 6}}; // 3+0, 5元
    const TicketCheck floating
        = checkTicket(dlt("26014", "", {first, seventh}, true), kDltDraws, kDlt, table, PoolTier::Low);
    EXPECT_EQ(floating.lines[0].prizeText(), "一等奖 浮动");
    EXPECT_EQ(floating.lines[1].prizeText(), "七等奖 5元");
    EXPECT_EQ(floating.floating, 1);
    EXPECT_EQ(floating.wonFen, 500);
    EXPECT_EQ(floating.wonText(), "5元+浮动（追加）");
    EXPECT_EQ(checkTicket(dlt("26013", "", {first}), kDltDraws, kDlt, table).wonText(), "浮动");

    const TicketCheck waiting = checkTicket(dlt("26015", "", {first}), kDltDraws, kDlt, table);
    EXPECT_FALSE(waiting.drawn);
    EXPECT_EQ(waiting.wonText(), "未开奖");
    EXPECT_EQ(checkTicket(dlt("26015", "", {{{1, 2, 6, 7, 8}, {1, 2}}}), {}, kDlt, table).costFen, 200);
}

TEST(TicketLedger, CompoundBetsWinAsTheSingleBetsTheyMake)
{
    // 双色球 7+1 with five red and the blue drawn: 三等奖 twice, 四等奖 five times.
    const Ticket ssq{"双色球", "2026093", "", {{{1, 2, 3, 9, 14, 20, 27}, {7}}}};
    const TicketCheck seven = checkTicket(ssq, kSsqDraws, kSsq, shipped("双色球"));
    EXPECT_EQ(seven.betCount, 7);
    EXPECT_EQ(seven.costFen, 1400);
    EXPECT_EQ(seven.lines[0].frontHits, 5);
    EXPECT_EQ(seven.lines[0].backHits, 1);
    EXPECT_EQ(seven.lines[0].prizeText(), "三等奖2注 四等奖5注");
    EXPECT_EQ(seven.wonText(), "7000元");
    EXPECT_EQ(singleBetCount({{1, 2, 3, 4, 5, 6, 7, 8}, {1, 2}}, kSsq), 56);

    // 大乐透 5+3 in the back, every front number drawn: 一等奖 once, 二等奖 twice.
    const TicketCheck back = checkTicket(dlt("26014", "", {{{4, 11, 18, 25, 35}, {3, 5, 12}}}, true),
                                         kDltDraws, kDlt, shipped("大乐透"));
    EXPECT_EQ(back.betCount, 3);
    EXPECT_EQ(back.costFen, 900);
    EXPECT_EQ(back.lines[0].prizeText(), "一等奖1注 二等奖2注");
    EXPECT_EQ(back.floating, 3);
    EXPECT_EQ(back.wonText(), "浮动（追加）");

    // 快乐8's 选五 is a single bet of its own play, not a part of 选十.
    EXPECT_EQ(singleBetCount({{1, 2, 3, 4, 5}, {}}, Lottery(Lotto, 80, 10)), 1);
}

TEST(TicketLedger, SumsOfAPeriodAndALottery)
{
    const PrizeTable dltTable = shipped("大乐透");
    const PrizeTable ssqTable = shipped("双色球");
    const LotteryNumbers nothing{{1, 2, 6, 7, 8}, {1, 2}};
    const LotteryNumbers fourFront{{4, 11, 18, 25, 1}, {5, 6}};
    const LotteryNumbers ssqFive{{3, 9, 14, 20, 27, 1}, {7}}; // 5+1 三等奖 3000元
    const LotteryNumbers ssqNothing{{1, 2, 4, 5, 6, 8}, {1}};
    const LotteryNumbers ssqBlue{{1, 2, 4, 5, 6, 8}, {7}}; // 0+1 六等奖 5元
    // 大乐透 tickets: 4元 winning 100元; 9元 with 追加 winning 150元 (200元
    // in the higher tier); 2元 not yet drawn.
    std::vector<TicketCheck> checks
        = checkTickets({dlt("26013", "2026-01-30", {fourFront, nothing}),
                        dlt("26014", "2026-02-01", {fourFront, nothing, nothing}, true),
                        dlt("26015", "2026-02-03", {nothing})},
                       kDltDraws, kDlt, dltTable);
    // 双色球 tickets: 6元 winning 5元; 2元 winning 3000元.
    checks.push_back(checkTicket({"双色球", "2026093", "2026-08-08", {ssqNothing, ssqBlue, ssqNothing}},
                                 kSsqDraws, kSsq, ssqTable));
    checks.push_back(checkTicket({"双色球", "2026093", "", {ssqFive}}, kSsqDraws, kSsq, ssqTable));

    const LedgerSummary all = summarizeLedger(checks);
    EXPECT_EQ(all.tickets, 4);
    EXPECT_EQ(all.bets, 9);
    EXPECT_EQ(all.costFen, 2100);
    EXPECT_EQ(all.wonFen, 325500);
    EXPECT_EQ(all.balanceFen(), 323400);
    EXPECT_EQ(all.text(), "共4张 9注 投入21元 奖金3255元 盈亏3234元 回报率15500.0%"
                          "（奖池≥8亿元时奖金3305元）（未开奖1张 投入2元）");

    // 大乐透 alone: the ticket not yet drawn stays out of 盈亏 and 回报率.
    const LedgerSummary dltOnly = summarizeLedger(checks, {"大乐透", "", ""});
    EXPECT_EQ(dltOnly.costFen, 1300);
    EXPECT_EQ(dltOnly.wonFen, 25000);
    EXPECT_EQ(dltOnly.pending, 1);
    EXPECT_EQ(dltOnly.pendingFen, 200);

    // A period of purchase dates, both ends counted; the undated ticket is
    // in no bounded period.
    const LedgerSummary august = summarizeLedger(checks, {"", "2026-02-01", "2026-08-08"});
    EXPECT_EQ(august.tickets, 2);
    EXPECT_EQ(august.costFen, 1500);
    EXPECT_EQ(august.wonFen, 15500);
    EXPECT_EQ(august.pending, 1);
    const LedgerSummary ssq = summarizeLedger(checks, {"双色球", "2026-08-01", ""});
    EXPECT_EQ(ssq.text(), "共1张 3注 投入6元 奖金5元 盈亏-1元 回报率83.3%");
    EXPECT_EQ(summarizeLedger(checks, {"双色球", "", "2026-08-07"}).text(),
              "共0张 0注 投入0元 奖金0元 盈亏0元");
}

TEST(TicketLedger, FloatingPrizesAndBetsWithoutRulesAreNamedBesideTheSums)
{
    const LotteryNumbers first{{4, 11, 18, 25, 35}, {3, 12}};
    const LotteryNumbers four{{4, 11, 18, 25}, {3, 12}}; // too few numbers for any play: hits only
    const std::vector<TicketCheck> checks
        = {checkTicket(dlt("26014", "2026-02-01", {first, four}), kDltDraws, kDlt, shipped("大乐透"))};
    EXPECT_EQ(checks[0].unratedBets, 1);
    EXPECT_EQ(summarizeLedger(checks).text(),
              "共1张 2注 投入4元 奖金0元 盈亏-4元 回报率0.0%（另有浮动奖1注）（1注没有适用的奖级规则）");
    EXPECT_EQ(signedYuanText(-450), "-4.5");
}

TEST(NextIssue, FollowsTheLastStoredDrawInItsOwnForm)
{
    EXPECT_EQ(nextIssue("2026093"), "2026094");
    EXPECT_EQ(nextIssue("26093"), "26094");
    EXPECT_EQ(nextIssue("2026099", "2026-05-01"), "2026100");
    // A new year starts at its first draw.
    EXPECT_EQ(nextIssue("2026151", "2027-01-03"), "2027001");
    EXPECT_EQ(nextIssue("26151", "2027-01-03"), "27001");
    EXPECT_EQ(nextIssue("26151", "2026-12-31"), "26152");
    EXPECT_EQ(nextIssue("2026999"), "2027001");
    // Other runs of digits count on in their own width.
    EXPECT_EQ(nextIssue("0099"), "0100");
    EXPECT_EQ(nextIssue("118"), "119");
    EXPECT_EQ(nextIssue("第3期"), "");

    std::vector<Draw> draws = kDltDraws;
    draws.push_back({{{}, {}}, "大乐透", "26012", ""});
    EXPECT_EQ(proposedIssue(draws), "2026015");
    EXPECT_EQ(proposedIssue({}), "");
}

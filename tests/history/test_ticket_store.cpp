// The player's tickets in the catalogue database: stored whole, checked
// once their draw is stored under the rules of their own 期号, removed,
// and summed over a period.
#include "../support/app_dir.h"
#include "history/history_store.h"
#include "history/ledger_text.h"
#include "history/ticket_store.h"

#include <gtest/gtest.h>

namespace {

const LotteryInfo kSsq{QStringLiteral("双色球"), {Lotto, 33, 6, "蓝球", 16, 1}};
const LotteryInfo kDlt{QStringLiteral("大乐透"), {Lotto, 35, 5, "后区", 12, 2}};

// 01 02 03 of the front and not the 蓝球: 3+0, 福运奖 only while the
// special period of 2026014 to 2026075 lasts.
const LotteryNumbers kThreeFront{{1, 2, 3, 4, 5, 6}, {7}};

void importSsq(const TestAppDir &dir, const std::string &lines)
{
    const HistoryStore history(dir.cataloguePath());
    history.importDraws("双色球", drawShapeOf("双色球", kSsq.lottery), "期号 开奖日期 开奖号码\n" + lines);
}

std::int64_t store(const TicketStore &tickets, const LotteryInfo &lottery, const std::string &issue,
                   const std::string &date, std::vector<LotteryNumbers> bets, bool extra = false)
{
    const Ticket ticket{lottery.name.toStdString(), issue, date, std::move(bets), extra};
    return tickets.add(tickets.priced(ticket, lottery.lottery));
}

const LedgerEntry &entryOf(const std::vector<LedgerEntry> &entries, std::int64_t id)
{
    for (const LedgerEntry &entry : entries) {
        if (entry.stored.id == id)
            return entry;
    }
    throw std::runtime_error("no ticket " + std::to_string(id));
}

} // namespace

TEST(TicketStore, ATicketStoredBeforeItsDrawIsCheckedByTheRulesOfItsIssueOnceTheDrawIsImported)
{
    TestAppDir dir;
    const TicketStore tickets(dir.cataloguePath());
    const auto special = store(tickets, kSsq, "2026020", "2026-02-19", {kThreeFront});
    const auto later = store(tickets, kSsq, "2026080", "2026-07-10", {kThreeFront});

    std::vector<LedgerEntry> ledger = tickets.ledger({kSsq, kDlt});
    ASSERT_EQ(ledger.size(), 2u);
    EXPECT_FALSE(entryOf(ledger, special).check.drawn);
    EXPECT_EQ(entryOf(ledger, special).check.wonText(), "未开奖");
    EXPECT_EQ(ticketLevelsText(entryOf(ledger, special).check), "未开奖");

    importSsq(dir, "2026020 2026-02-20 01 02 03 10 11 12 + 16\n"
                   "2026080 2026-07-12 01 02 03 10 11 12 + 16\n");
    ledger = tickets.ledger({kSsq, kDlt});
    const LedgerEntry &won = entryOf(ledger, special);
    ASSERT_TRUE(won.check.drawn);
    EXPECT_EQ(ticketHitsText(won), "3+0");
    EXPECT_EQ(ticketLevelsText(won.check), "福运奖1注");
    EXPECT_EQ(won.check.wonText(), "5元");
    // The same numbers after the special period ended win nothing.
    const LedgerEntry &lost = entryOf(ledger, later);
    ASSERT_TRUE(lost.check.drawn);
    EXPECT_EQ(ticketLevelsText(lost.check), "未中奖");
    EXPECT_EQ(lost.check.wonFen, 0);
}

TEST(TicketStore, BetsComeBackAsStoredAndATicketOfAnUnknownLotteryStaysUnchecked)
{
    TestAppDir dir;
    const TicketStore tickets(dir.cataloguePath());
    const LotteryNumbers compound{{1, 2, 3, 4, 5, 6, 7}, {16}};
    const LotteryNumbers dltBet{{4, 11, 18, 25, 35}, {3, 12}};
    store(tickets, kSsq, "2026020", "2026-02-19", {kThreeFront, compound});
    store(tickets, kDlt, "26020", "2026-02-21", {dltBet}, true);

    const std::vector<StoredTicket> all = TicketStore(dir.cataloguePath()).tickets();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].ticket.bets, (std::vector<LotteryNumbers>{kThreeFront, compound}));
    EXPECT_EQ(all[0].betCount, 8); // the 复式 bet is seven single bets
    EXPECT_EQ(all[0].costFen, 1600);
    EXPECT_FALSE(all[0].ticket.extra);
    EXPECT_EQ(all[1].ticket.bets, std::vector<LotteryNumbers>{dltBet});
    EXPECT_TRUE(all[1].ticket.extra);
    EXPECT_EQ(all[1].costFen, 300); // 追加 is 1 元 more a bet
    EXPECT_EQ(tickets.tickets("大乐透").size(), 1u);

    importSsq(dir, "2026020 2026-02-20 01 02 03 10 11 12 + 16\n");
    const std::vector<LedgerEntry> unknown = tickets.ledger({kDlt});
    EXPECT_FALSE(unknown[0].check.drawn);
    EXPECT_EQ(unknown[0].check.costFen, 1600);
}

TEST(TicketStore, RemovingATicketLeavesTheOthers)
{
    TestAppDir dir;
    const TicketStore tickets(dir.cataloguePath());
    const auto first = store(tickets, kSsq, "2026020", "2026-02-19", {kThreeFront});
    const auto second = store(tickets, kSsq, "2026021", "2026-02-21", {kThreeFront});
    EXPECT_TRUE(tickets.remove(first));
    EXPECT_FALSE(tickets.remove(first));
    const std::vector<StoredTicket> left = tickets.tickets();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].id, second);
    EXPECT_EQ(left[0].ticket.issue, "2026021");
}

TEST(TicketStore, SumsOfAPeriodAndALotteryCountOnlySettledTickets)
{
    TestAppDir dir;
    const TicketStore tickets(dir.cataloguePath());
    // 3+0 福运奖 5元; of the 复式 bet four single bets 3+1 (五等奖 10元) and
    // three 2+1 (六等奖 5元).
    store(tickets, kSsq, "2026020", "2026-02-19", {kThreeFront, {{1, 2, 3, 4, 5, 6, 7}, {16}}});
    store(tickets, kDlt, "26020", "2026-02-21", {{{4, 11, 18, 25, 35}, {3, 12}}}, true);
    store(tickets, kSsq, "2026080", "2026-07-10", {kThreeFront});
    importSsq(dir, "2026020 2026-02-20 01 02 03 10 11 12 + 16\n"
                   "2026080 2026-07-12 01 02 03 10 11 12 + 16\n");
    const std::vector<LedgerEntry> ledger = tickets.ledger({kSsq, kDlt});
    std::vector<TicketCheck> checks;
    for (const LedgerEntry &entry : ledger)
        checks.push_back(entry.check);

    EXPECT_EQ(ticketHitsText(ledger[0]), "最多3+1");
    EXPECT_EQ(ticketLevelsText(ledger[0].check), "五等奖4注 福运奖1注 六等奖3注");
    const LedgerSummary all = summarizeLedger(checks);
    EXPECT_EQ(all.tickets, 2);
    EXPECT_EQ(all.bets, 9);
    EXPECT_EQ(all.costFen, 1800);
    EXPECT_EQ(all.wonFen, 6000);
    EXPECT_EQ(all.text(), "共2张 9注 投入18元 奖金60元 盈亏42元 回报率333.3%（未开奖1张 投入3元）");

    const LedgerSummary spring = summarizeLedger(checks, {"双色球", "2026-01-01", "2026-03-31"});
    EXPECT_EQ(spring.text(), "共1张 8注 投入16元 奖金60元 盈亏44元 回报率375.0%");
    const LedgerSummary summer = summarizeLedger(checks, {"双色球", "2026-07-10", "2026-07-10"});
    EXPECT_EQ(summer.text(), "共1张 1注 投入2元 奖金0元 盈亏-2元 回报率0.0%");
}

#pragma once

#include "catalogue/lottery_info.h"
#include "history/ticket_ledger.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// A ticket as the ledger keeps it: what was bought and what it cost when it
// was bought, so that a later change of the price rules leaves the money
// paid as it was.
struct StoredTicket
{
    std::int64_t id = 0; // 编号, given by the store
    Ticket ticket;
    std::int64_t betCount = 0;
    std::int64_t costFen = 0;
};

// A stored ticket with its state against the draws stored now.
struct LedgerEntry
{
    StoredTicket stored;
    TicketCheck check;
};

// The player's tickets (投注记录) in the catalogue database beside the draws:
// the table 投注记录表 (编号, 彩票名称, 期号, 购买日期, 追加, 注数, 投入 in
// 分, 投注号码: one bet a line, "01 02 03 04 05 06 + 07"). A catalogue made
// before it has none; the first ticket creates it in its own transaction.
// Every operation opens its own connection and closes it before it returns;
// failures throw AppError with a message for the player.
class TicketStore
{
public:
    explicit TicketStore(QString filePath, int busyTimeout = 5000);

    // The ticket as it is to be stored: its single bets and its cost under
    // the price rules of its 期号 in this catalogue.
    StoredTicket priced(const Ticket &ticket, const Lottery &lottery) const;

    // Stores a ticket, bets and all, in one transaction; its 编号.
    std::int64_t add(const StoredTicket &ticket) const;

    // Every ticket of `lottery` (empty: of every lottery) in the order they
    // were stored.
    std::vector<StoredTicket> tickets(const std::string &lottery = {}) const;

    // Removes a ticket; false when there was none.
    bool remove(std::int64_t id) const;

    // Every ticket checked against the draws stored now under the rules of
    // its 期号. A ticket of a lottery not among `lotteries` stays unchecked.
    std::vector<LedgerEntry> ledger(const std::vector<LotteryInfo> &lotteries) const;

private:
    QString m_filePath;
    int m_busyTimeout;
};

#pragma once

#include "catalogue/lottery_info.h"
#include "history/ticket_store.h"

#include <string>
#include <vector>

// How the ledger (我的投注) tells a ticket's result in words.

// The hits of a ticket's best bet: "5+1" where the bet has a back zone,
// "4" where it has none, "5+特" where it holds 七乐彩's special number;
// "最多5+1" over several bets; empty before the draw.
std::string ticketHitsText(const LedgerEntry &entry);

// The levels a ticket won, best first, each with its single bets:
// "三等奖1注 六等奖2注"; "未中奖", or "未开奖" before the draw.
std::string ticketLevelsText(const TicketCheck &check);

// The ledger as a text file for the player, GBK with CR LF like every text
// file the program writes: a line per ticket, its bets each with its hits
// and prize below it, then the sums. The kind of each lottery, from
// `lotteries`, decides how its numbers are written.
std::string ledgerFileBytes(const std::vector<LedgerEntry> &entries, const LedgerSummary &summary,
                            const std::vector<LotteryInfo> &lotteries);

#include "history/ticket_ledger.h"

#include <unordered_map>

namespace {

// The stored draws by 期号 (26014 and 2026014 alike).
using DrawIndex = std::unordered_map<std::int64_t, const Draw *>;

DrawIndex indexOf(const std::vector<Draw> &draws)
{
    DrawIndex index;
    for (const Draw &draw : draws) {
        if (const auto key = issueKey(draw.issue))
            index.emplace(*key, &draw);
    }
    return index;
}

const Draw *drawOf(const std::string &issue, const DrawIndex &index)
{
    const auto key = issueKey(issue);
    if (!key)
        return nullptr;
    const auto found = index.find(*key);
    return found == index.end() ? nullptr : found->second;
}

TicketCheck checkAgainst(const Ticket &ticket, const DrawIndex &index, const DrawShape &shape,
                         const PrizeTable &table, PoolTier tier);

// Tenths of a percent as "62.5%".
std::string permilleText(std::int64_t permille)
{
    return std::to_string(permille / 10) + "." + std::to_string(permille % 10) + "%";
}

} // namespace

bool allowsExtra(const std::string &lottery)
{
    return lottery == "大乐透" || lottery == "超级大乐透";
}

std::int64_t ticketCostFen(const Ticket &ticket, const PrizeTable &table)
{
    const PrizeVersion *version = ticket.issue.empty() ? nullptr : table.versionFor(ticket.issue);
    std::int64_t price = version ? version->priceFen : kCommonPriceFen;
    if (ticket.extra && allowsExtra(ticket.lottery))
        price += kExtraFen;
    return price * ticket.betCount();
}

std::string signedYuanText(std::int64_t fen)
{
    return fen < 0 ? "-" + yuanText(-fen) : yuanText(fen);
}

std::string betPrizeText(const BetCheck &bet)
{
    if (bet.level.empty())
        return {};
    return bet.prize.floating ? "浮动" : yuanText(bet.prize.fen) + "元";
}

TicketCheck checkTicket(const Ticket &ticket, const std::vector<Draw> &draws, const DrawShape &shape,
                        const PrizeTable &table, PoolTier tier)
{
    return checkAgainst(ticket, indexOf(draws), shape, table, tier);
}

std::vector<TicketCheck> checkTickets(const std::vector<Ticket> &tickets, const std::vector<Draw> &draws,
                                      const DrawShape &shape, const PrizeTable &table, PoolTier tier)
{
    const DrawIndex index = indexOf(draws);
    std::vector<TicketCheck> checks;
    checks.reserve(tickets.size());
    for (const Ticket &ticket : tickets)
        checks.push_back(checkAgainst(ticket, index, shape, table, tier));
    return checks;
}

namespace {

TicketCheck checkAgainst(const Ticket &ticket, const DrawIndex &index, const DrawShape &shape,
                         const PrizeTable &table, PoolTier tier)
{
    TicketCheck result;
    result.lottery = ticket.lottery;
    result.issue = ticket.issue;
    result.date = ticket.date;
    result.extra = ticket.extra && allowsExtra(ticket.lottery);
    result.betCount = ticket.betCount();
    result.costFen = ticketCostFen(ticket, table);
    const Draw *draw = drawOf(ticket.issue, index);
    if (!draw)
        return result;
    result.drawn = true;
    DrawCheck check = checkBets(ticket.bets, *draw, shape, table, {tier, ""});
    result.unrated = std::move(check.unrated);
    result.highCondition = std::move(check.highCondition);
    result.bets = std::move(check.bets);
    for (const BetCheck &bet : result.bets) {
        result.unratedBets += bet.rated ? 0 : 1;
        if (bet.level.empty())
            continue;
        if (bet.prize.floating) {
            ++result.floating;
            continue;
        }
        result.wonFen += bet.prize.fen;
        result.wonHighFen += bet.prize.highFen.value_or(bet.prize.fen);
    }
    return result;
}

} // namespace

std::string TicketCheck::wonText() const
{
    if (!drawn)
        return "未开奖";
    std::string text;
    if (wonFen > 0 || floating == 0) {
        text = yuanText(wonFen) + "元";
        if (wonHighFen != wonFen)
            text += "（" + highCondition + "时" + yuanText(wonHighFen) + "元）";
    }
    if (floating > 0)
        text += std::string(text.empty() ? "" : "+") + "浮动" + (extra ? "（追加）" : "");
    return text;
}

bool LedgerPeriod::covers(const TicketCheck &ticket) const
{
    if (!lottery.empty() && ticket.lottery != lottery)
        return false;
    if ((!from.empty() || !to.empty()) && ticket.date.empty())
        return false;
    return (from.empty() || ticket.date >= from) && (to.empty() || ticket.date <= to);
}

std::optional<std::int64_t> LedgerSummary::returnPermille() const
{
    if (costFen <= 0)
        return std::nullopt;
    return (wonFen * 2000 + costFen) / (2 * costFen);
}

std::string LedgerSummary::text() const
{
    std::string text = "共" + std::to_string(tickets) + "张 " + std::to_string(bets) + "注 投入"
                       + yuanText(costFen) + "元 奖金" + yuanText(wonFen) + "元 盈亏"
                       + signedYuanText(balanceFen()) + "元";
    if (const auto permille = returnPermille())
        text += " 回报率" + permilleText(*permille);
    if (wonHighFen != wonFen)
        text += "（" + highCondition + "时奖金" + yuanText(wonHighFen) + "元）";
    if (floating > 0)
        text += "（另有浮动奖" + std::to_string(floating) + "注）";
    if (unratedBets > 0)
        text += "（" + std::to_string(unratedBets) + "注没有适用的奖级规则）";
    if (pending > 0)
        text += "（未开奖" + std::to_string(pending) + "张 投入" + yuanText(pendingFen) + "元）";
    return text;
}

LedgerSummary summarizeLedger(const std::vector<TicketCheck> &tickets, const LedgerPeriod &period)
{
    LedgerSummary summary;
    for (const TicketCheck &ticket : tickets) {
        if (!period.covers(ticket))
            continue;
        if (!ticket.drawn) {
            ++summary.pending;
            summary.pendingFen += ticket.costFen;
            continue;
        }
        ++summary.tickets;
        summary.bets += ticket.betCount;
        summary.costFen += ticket.costFen;
        summary.wonFen += ticket.wonFen;
        summary.wonHighFen += ticket.wonHighFen;
        summary.floating += ticket.floating;
        summary.unratedBets += ticket.unratedBets;
        if (summary.highCondition.empty())
            summary.highCondition = ticket.highCondition;
    }
    return summary;
}

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

TicketCheck checkAgainst(const Ticket &ticket, const DrawIndex &index, const Lottery &lottery,
                         const PrizeTable &table, PoolTier tier);

std::int64_t choose(size_t n, int k)
{
    const auto kk = static_cast<size_t>(k);
    if (kk >= n)
        return 1; // a bet of no more numbers than a single bet is one bet as it stands
    std::int64_t result = 1;
    for (size_t i = 1; i <= kk; ++i)
        result = result * static_cast<std::int64_t>(n - kk + i) / static_cast<std::int64_t>(i);
    return result;
}

// Every `k` of `numbers`, in order; `numbers` itself where it has no more.
std::vector<std::vector<int>> subsets(const std::vector<int> &numbers, int k)
{
    const auto kk = static_cast<size_t>(k);
    if (numbers.size() <= kk)
        return {numbers};
    std::vector<std::vector<int>> result;
    std::vector<size_t> at(kk);
    for (size_t i = 0; i < kk; ++i)
        at[i] = i;
    while (true) {
        std::vector<int> subset(kk);
        for (size_t i = 0; i < kk; ++i)
            subset[i] = numbers[at[i]];
        result.push_back(std::move(subset));
        size_t i = kk;
        while (i > 0 && at[i - 1] == numbers.size() - kk + i - 1)
            --i;
        if (i == 0)
            return result;
        ++at[i - 1];
        for (size_t j = i; j < kk; ++j)
            at[j] = at[j - 1] + 1;
    }
}

// The single bets of a bet: itself, or every one a 复式 bet makes.
std::vector<LotteryNumbers> singleBets(const LotteryNumbers &bet, const Lottery &lottery)
{
    if (!lottery.isLotto())
        return {bet};
    std::vector<LotteryNumbers> singles;
    const std::vector<std::vector<int>> fronts = subsets(bet.front, lottery.count);
    const std::vector<std::vector<int>> backs = subsets(bet.back, lottery.backCount);
    singles.reserve(fronts.size() * backs.size());
    for (const std::vector<int> &front : fronts) {
        for (const std::vector<int> &back : backs)
            singles.push_back({front, back});
    }
    return singles;
}

// Counts a won single bet under its level, the levels kept best first.
void addWin(std::vector<LevelWin> &wins, std::vector<int> &ranks, const BetCheck &single)
{
    for (LevelWin &win : wins) {
        if (win.level == single.level) {
            ++win.count;
            return;
        }
    }
    size_t at = 0;
    while (at < ranks.size() && ranks[at] < single.rank)
        ++at;
    ranks.insert(ranks.begin() + static_cast<std::ptrdiff_t>(at), single.rank);
    wins.insert(wins.begin() + static_cast<std::ptrdiff_t>(at), {single.level, 1, single.prize});
}

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

std::int64_t singleBetCount(const LotteryNumbers &bet, const Lottery &lottery)
{
    if (!lottery.isLotto())
        return 1;
    return choose(bet.front.size(), lottery.count) * choose(bet.back.size(), lottery.backCount);
}

std::int64_t ticketBetCount(const Ticket &ticket, const Lottery &lottery)
{
    std::int64_t count = 0;
    for (const LotteryNumbers &bet : ticket.bets)
        count += singleBetCount(bet, lottery);
    return count;
}

std::int64_t ticketCostFen(const Ticket &ticket, const Lottery &lottery, const PrizeTable &table)
{
    const PrizeVersion *version = ticket.issue.empty() ? nullptr : table.versionFor(ticket.issue);
    std::int64_t price = version ? version->priceFen : kCommonPriceFen;
    if (ticket.extra && allowsExtra(ticket.lottery))
        price += kExtraFen;
    return price * ticketBetCount(ticket, lottery);
}

std::string signedYuanText(std::int64_t fen)
{
    return fen < 0 ? "-" + yuanText(-fen) : yuanText(fen);
}

std::string TicketLine::prizeText() const
{
    const auto prize
        = [](const Prize &p) { return p.floating ? std::string("浮动") : yuanText(p.fen) + "元"; };
    if (betCount == 1 && wins.size() == 1)
        return wins[0].level + " " + prize(wins[0].prize);
    std::string text;
    for (const LevelWin &win : wins)
        text += (text.empty() ? "" : " ") + win.level + std::to_string(win.count) + "注";
    return text;
}

TicketCheck checkTicket(const Ticket &ticket, const std::vector<Draw> &draws, const Lottery &lottery,
                        const PrizeTable &table, PoolTier tier)
{
    return checkAgainst(ticket, indexOf(draws), lottery, table, tier);
}

std::vector<TicketCheck> checkTickets(const std::vector<Ticket> &tickets, const std::vector<Draw> &draws,
                                      const Lottery &lottery, const PrizeTable &table, PoolTier tier)
{
    const DrawIndex index = indexOf(draws);
    std::vector<TicketCheck> checks;
    checks.reserve(tickets.size());
    for (const Ticket &ticket : tickets)
        checks.push_back(checkAgainst(ticket, index, lottery, table, tier));
    return checks;
}

namespace {

TicketCheck checkAgainst(const Ticket &ticket, const DrawIndex &index, const Lottery &lottery,
                         const PrizeTable &table, PoolTier tier)
{
    TicketCheck result;
    result.lottery = ticket.lottery;
    result.issue = ticket.issue;
    result.date = ticket.date;
    result.extra = ticket.extra && allowsExtra(ticket.lottery);
    result.betCount = ticketBetCount(ticket, lottery);
    result.costFen = ticketCostFen(ticket, lottery, table);
    const Draw *draw = drawOf(ticket.issue, index);
    if (!draw)
        return result;
    result.drawn = true;
    const DrawShape shape = drawShapeOf(ticket.lottery, lottery);
    for (const LotteryNumbers &bet : ticket.bets) {
        const std::vector<LotteryNumbers> singles = singleBets(bet, lottery);
        DrawCheck check = checkBets(singles, *draw, shape, table, {tier, ""});
        if (result.unrated.empty())
            result.unrated = check.unrated;
        result.highCondition = check.highCondition;
        // The line's own hits: its one bet's, or all its numbers' for a 复式 bet.
        const BetCheck hits
            = singles.size() == 1 ? check.bets[0] : checkBets({bet}, *draw, shape, table).bets[0];
        TicketLine line;
        line.betCount = static_cast<std::int64_t>(singles.size());
        line.frontHits = hits.frontHits;
        line.backHits = hits.backHits;
        line.specialHit = hits.specialHit;
        line.rated = !check.bets.empty();
        std::vector<int> ranks;
        for (const BetCheck &single : check.bets) {
            line.rated = line.rated && single.rated;
            result.unratedBets += single.rated ? 0 : 1;
            if (single.level.empty())
                continue;
            if (single.prize.floating) {
                ++result.floating;
            } else {
                result.wonFen += single.prize.fen;
                result.wonHighFen += single.prize.highFen.value_or(single.prize.fen);
            }
            addWin(line.wins, ranks, single);
        }
        result.lines.push_back(std::move(line));
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

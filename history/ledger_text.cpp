#include "history/ledger_text.h"

#include "base/gbk.h"

#include <algorithm>

namespace {

std::string lineHits(const TicketLine &line, bool hasBack)
{
    std::string text = std::to_string(line.frontHits);
    if (hasBack)
        text += "+" + std::to_string(line.backHits);
    if (line.specialHit)
        text += "+特";
    return text;
}

// Higher is better: more numbers hit in all, then more of the back zone.
int hitScore(const TicketLine &line)
{
    return (line.frontHits + line.backHits + (line.specialHit ? 1 : 0)) * 16 + line.backHits;
}

// A prize compared for the order of levels: floating ones first, then by amount.
bool better(const Prize &a, const Prize &b)
{
    if (a.floating != b.floating)
        return a.floating;
    return a.fen > b.fen;
}

bool isDigitLottery(const std::string &name, const std::vector<LotteryInfo> &lotteries)
{
    for (const LotteryInfo &info : lotteries) {
        if (info.name.toStdString() == name)
            return !info.lottery.isLotto();
    }
    return false;
}

} // namespace

std::string ticketHitsText(const LedgerEntry &entry)
{
    const TicketCheck &check = entry.check;
    if (!check.drawn || check.lines.empty())
        return {};
    size_t best = 0;
    for (size_t i = 1; i < check.lines.size(); ++i) {
        if (hitScore(check.lines[i]) > hitScore(check.lines[best]))
            best = i;
    }
    const std::vector<LotteryNumbers> &bets = entry.stored.ticket.bets;
    const bool back = best < bets.size() && !bets[best].back.empty();
    const std::string text = lineHits(check.lines[best], back);
    return check.lines.size() == 1 ? text : "最多" + text;
}

std::string ticketLevelsText(const TicketCheck &check)
{
    if (!check.drawn)
        return "未开奖";
    std::vector<LevelWin> levels;
    for (const TicketLine &line : check.lines) {
        for (const LevelWin &win : line.wins) {
            const auto same = std::find_if(levels.begin(), levels.end(),
                                           [&](const LevelWin &l) { return l.level == win.level; });
            if (same == levels.end())
                levels.push_back(win);
            else
                same->count += win.count;
        }
    }
    if (levels.empty())
        return "未中奖";
    std::stable_sort(levels.begin(), levels.end(),
                     [](const LevelWin &a, const LevelWin &b) { return better(a.prize, b.prize); });
    std::string text;
    for (const LevelWin &level : levels)
        text += (text.empty() ? "" : " ") + level.level + std::to_string(level.count) + "注";
    return text;
}

std::string ledgerFileBytes(const std::vector<LedgerEntry> &entries, const LedgerSummary &summary,
                            const std::vector<LotteryInfo> &lotteries)
{
    std::string text = "我的投注\n";
    for (const LedgerEntry &entry : entries) {
        const Ticket &ticket = entry.stored.ticket;
        const TicketCheck &check = entry.check;
        const bool digits = isDigitLottery(ticket.lottery, lotteries);
        text += "\n" + ticket.lottery + " 第" + ticket.issue + "期";
        if (!ticket.date.empty())
            text += " 购买日期" + ticket.date;
        text += " " + std::to_string(check.betCount) + "注 投入" + yuanText(check.costFen) + "元"
                + (check.extra ? "（追加）" : "") + " " + ticketLevelsText(check);
        if (check.drawn)
            text += " 奖金" + check.wonText();
        text += "\n";
        for (size_t i = 0; i < ticket.bets.size(); ++i) {
            const LotteryNumbers &bet = ticket.bets[i];
            text += "  " + zoneText(bet.front, digits);
            if (!bet.back.empty())
                text += " + " + zoneText(bet.back, digits);
            if (i < check.lines.size()) {
                const TicketLine &line = check.lines[i];
                text += "  中" + lineHits(line, !bet.back.empty());
                if (const std::string prize = line.prizeText(); !prize.empty())
                    text += " " + prize;
            }
            text += "\n";
        }
    }
    text += "\n" + summary.text() + "\n";
    std::string lines;
    for (const char c : text)
        lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return utf8ToGbk(lines);
}

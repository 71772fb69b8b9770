// Where the grid meets the player's tickets and 缩水: 记录投注 stores the
// grid's bets as a ticket, a ticket opens back into the grid, and 缩水
// keeps the bets that meet the conditions.
#include "app/u_main.h"

#include "app/filters/filter_dialog.h"
#include "app/history/history_window.h"
#include "app/history/ticket_dialog.h"
#include "app/lottery_shape.h"
#include "base/two_digit.h"
#include "catalogue/catalogue_store.h"
#include "history/check_text.h"
#include "history/history_store.h"
#include "history/next_issue.h"
#include "history/ticket_store.h"
#include "ui/clock.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "views/result_grid_view.h"

#include <QComboBox>

namespace {

std::int64_t singlePriceFen(const PrizeTable &table, const std::string &issue)
{
    const PrizeVersion *version = issue.empty() ? nullptr : table.versionFor(issue);
    return version ? version->priceFen : kCommonPriceFen;
}

} // namespace

bool Tfrmmain::askForBets()
{
    if (m_gridModel->grid().hasBets())
        return true;
    m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("请先生成表格！"));
    return false;
}

void Tfrmmain::recordTicket()
{
    if (!askForBets())
        return;
    const std::string name = m_current.name.toStdString();
    const QString catalogue = qPath(m_services.folder.catalogue());
    const HistoryStore history(catalogue);
    const std::string today = m_services.clock.today().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    Ticket ticket{
        name, proposedIssue(history.draws(name, lotteryDrawShape(m_current)).draws, today), today, {}, false};
    const DrawShape shape = lotteryDrawShape(m_current);
    const ResultGrid &grid = m_gridModel->grid();
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (!grid.cell(0, row).empty())
            ticket.bets.push_back(betOfCells(m_gridModel->bet(row), shape));
    }
    TicketDialog dialog(m_current.name, ticketBetCount(ticket, m_current.lottery),
                        QString::fromStdString(ticket.issue), allowsExtra(name),
                        singlePriceFen(history.prizeTable(name), ticket.issue), this);
    if (m_services.desktop.runModal(&dialog) != QDialog::Accepted)
        return;
    ticket.issue = dialog.issue().toStdString();
    if (!issueKey(ticket.issue)) {
        m_services.desktop.message(
            this, MessageKind::Plain, windowTitle(),
            QStringLiteral("期号“%1”不是有效的期号（如2026094），投注未记录。").arg(dialog.issue()));
        return;
    }
    ticket.extra = dialog.extra();
    const TicketStore tickets(catalogue);
    tickets.add(tickets.priced(ticket, m_current.lottery));
    btnhistoryClick();
    m_historyWindow->showLedger();
}

void Tfrmmain::openTicketBets(const QString &lottery, const std::vector<LotteryNumbers> &bets)
{
    const CatalogueStore store(qPath(m_services.folder.catalogue()));
    std::optional<LotteryInfo> info;
    for (const CatalogueRow &row : store.readAll()) {
        if (row.name == lottery) {
            info = lotteryFromRow(row);
            break;
        }
    }
    if (!info) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QStringLiteral("彩票列表中没有“%1”，不能放入表格。").arg(lottery));
        return;
    }
    const Lottery &shape = info->lottery;
    ResultGridModel::Snapshot next;
    for (const LotteryNumbers &bet : bets) {
        if (bet.front.size() != static_cast<size_t>(shape.count)
            || bet.back.size() != static_cast<size_t>(shape.backCount)) {
            m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                       QStringLiteral("这张投注有复式号码，表格只能放单式号码。"));
            return;
        }
        std::vector<std::string> cells;
        for (const std::vector<int> *zone : {&bet.front, &bet.back}) {
            for (const int number : *zone)
                cells.push_back(shape.isLotto() ? twoDigit(number) : std::to_string(number));
        }
        next.grid.appendBet(shape, cells);
    }
    // One undo step, as a load is: the grid and the lottery it was shown under.
    const LotteryInfo before = m_current;
    replaceGrid(std::move(next), shape.numberCount(), before);
    if (*info != m_current) {
        selectListedName(info->name);
        applyLottery(*info);
        commodeClick();
    }
    grdcode->setAllColumnWidths(resultColumnWidth(grdcode->width(), m_current.lottery.numberCount()));
    raise();
    activateWindow();
}

void Tfrmmain::filterGrid()
{
    if (!askForBets())
        return;
    const std::string name = m_current.name.toStdString();
    const HistoryStore history(qPath(m_services.folder.catalogue()));
    const std::vector<Draw> stored = history.draws(name, lotteryDrawShape(m_current)).draws;
    std::vector<LotteryNumbers> draws(stored.begin(), stored.end());
    const std::string today = m_services.clock.today().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    const std::int64_t price = singlePriceFen(history.prizeTable(name), proposedIssue(stored, today));
    FilterDialog dialog(m_services.desktop, m_current.lottery, std::move(draws),
                        readGridBets(m_gridModel->grid(), m_current.lottery), price, this);
    if (m_services.desktop.runModal(&dialog) != QDialog::Accepted)
        return;
    ResultGridModel::Snapshot next;
    next.grid = keptGrid(m_gridModel->grid(), dialog.bets(), dialog.kept());
    next.unsaved = true; // the kept bets are in no file yet
    replaceGrid(std::move(next), m_current.lottery.numberCount(), m_current);
}

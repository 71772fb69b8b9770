// Where the main window meets the draw history: the button 开奖历史 in the
// free top row of GroupBox2, and the grid's checks against the draws.
#include "app/u_main.h"

#include "app/history/check_window.h"
#include "app/history/history_window.h"
#include "app/lottery_shape.h"
#include "history/check_text.h"
#include "results/result_grid_model.h"
#include "ui/desktop.h"
#include "ui/guard.h"

#include <QGroupBox>
#include <QPushButton>

void Tfrmmain::createHistoryControls()
{
    btnhistory = new QPushButton(QStringLiteral("开奖历史"), GroupBox2);
    btnhistory->setObjectName(QStringLiteral("btnhistory"));
    btnhistory->setGeometry(14, 16, 75, 25);
    btnhistory->setAutoDefault(false);
    connectGuarded(m_services.desktop, btnhistory, &QPushButton::clicked, this, &Tfrmmain::btnhistoryClick);
}

namespace {

// The grid's bets as the draw history reads them, while the window works
// on that lottery.
BetSource gridBets(const ResultGridModel &grid, const LotteryInfo &current)
{
    return [&grid, &current](const QString &lottery) -> std::optional<std::vector<LotteryNumbers>> {
        if (lottery != current.name)
            return std::nullopt;
        const DrawShape shape = lotteryDrawShape(current);
        std::vector<LotteryNumbers> bets;
        for (int row = 1; row < grid.grid().rowCount(); ++row) {
            // Rows that are no bets of the lottery (a file loaded under
            // another one) are shown marked, and checked by nothing.
            if (!grid.grid().cell(0, row).empty() && grid.fits(row))
                bets.push_back(betOfCells(grid.bet(row), shape));
        }
        return bets;
    };
}

bool hasBets(const ResultGridModel &grid, Desktop &desktop, QWidget *owner)
{
    if (grid.grid().hasBets())
        return true;
    desktop.message(owner, MessageKind::Plain, owner->windowTitle(), QStringLiteral("请先生成表格！"));
    return false;
}

} // namespace

void Tfrmmain::btnhistoryClick()
{
    if (!m_hasLottery) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("请先选择彩票！"));
        return;
    }
    if (!m_historyWindow)
        m_historyWindow
            = new HistoryWindow({m_services.desktop, m_services.folder, gridBets(*m_gridModel, m_current),
                                 [this](const QString &lottery, const std::vector<LotteryNumbers> &bets) {
                                     openTicketBets(lottery, bets);
                                 }},
                                this);
    m_historyWindow->showLottery(m_current);
}

CheckWindow *Tfrmmain::openCheckWindow()
{
    if (!m_checkWindow)
        m_checkWindow = new CheckWindow(
            {m_services.desktop, m_services.folder, gridBets(*m_gridModel, m_current)}, *m_gridModel, this);
    return m_checkWindow;
}

void Tfrmmain::checkDraw()
{
    if (hasBets(*m_gridModel, m_services.desktop, this))
        openCheckWindow()->checkDraw(m_current);
}

void Tfrmmain::checkHistory()
{
    if (hasBets(*m_gridModel, m_services.desktop, this))
        openCheckWindow()->checkHistory(m_current);
}

// Where the main window meets 组号: the button beside 开奖历史 and the bets
// the 组号 window puts into the grid, one undo step each time.
#include "app/u_main.h"

#include "app/compose/compose_window.h"
#include "ui/desktop.h"
#include "ui/guard.h"
#include "views/result_grid_view.h"

#include <QGroupBox>
#include <QPushButton>

void Tfrmmain::createComposeControls()
{
    btncompose = new QPushButton(QStringLiteral("组号"), GroupBox2);
    btncompose->setObjectName(QStringLiteral("btncompose"));
    btncompose->setGeometry(104, 16, 73, 25);
    btncompose->setAutoDefault(false);
    connectGuarded(m_services.desktop, btncompose, &QPushButton::clicked, this, &Tfrmmain::btncomposeClick);
}

void Tfrmmain::btncomposeClick()
{
    if (!m_hasLottery) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("请先选择彩票！"));
        return;
    }
    if (!m_composeWindow) {
        auto show = [this](ResultGridModel::Snapshot next, const LotteryInfo &lottery) {
            if (lottery != m_current) {
                m_services.desktop.message(
                    m_composeWindow, MessageKind::Plain, windowTitle(),
                    QStringLiteral("主窗口现在选的是“%1”，请先选回“%2”。").arg(m_current.name, lottery.name));
                return;
            }
            replaceGrid(std::move(next), m_current.lottery.numberCount(), m_current);
            grdcode->setAllColumnWidths(resultColumnWidth(grdcode->width(), m_current.lottery.numberCount()));
        };
        m_composeWindow
            = new ComposeWindow({m_services.desktop, m_services.folder, *m_gridModel, show}, this);
    }
    m_composeWindow->showLottery(m_current);
}

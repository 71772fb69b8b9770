// The check window's second page: every bet against every stored draw.
#include "app/history/check_window.h"

#include "app/history/window_parts.h"
#include "history/check_text.h"
#include "ui/desktop.h"
#include "ui/guard.h"
#include "ui/window_place.h"
#include "views/table_model.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Checking more pairs of bet and draw than this shows its progress.
constexpr size_t kQuickHistoryWork = 20'000'000;

} // namespace

void CheckWindow::createHistoryPage()
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    historySummaryLabel = plainLabel(page, "historySummaryLabel");
    layout->addWidget(historySummaryLabel);
    m_historyModel = new FunctionTableModel(this);
    historyTable = listTable(page, "historyTable", m_historyModel);
    layout->addWidget(historyTable, 1);
    tabs->addTab(page, QStringLiteral("对照历史"));
    connectGuarded(m_services.desktop, tabs, &QTabWidget::currentChanged, this, &CheckWindow::gridChanged);
}

void CheckWindow::checkHistory(const LotteryInfo &lottery)
{
    load(lottery);
    if (m_draws.empty()) {
        hide();
        m_services.desktop.message(parentWidget(), MessageKind::Plain, applicationTitle(),
                                   QStringLiteral("还没有%1的开奖号码，请先在“开奖历史”中导入或添加。")
                                       .arg(quotedText(lottery.name)));
        return;
    }
    fillDrawList();
    {
        const QSignalBlocker quiet(tabs);
        tabs->setCurrentIndex(1);
    }
    placeBesideParent(this);
    show();
    raise();
    activateWindow();
    runHistory();
}

void CheckWindow::runHistory()
{
    std::optional<std::vector<LotteryNumbers>> bets = m_services.bets(m_lottery.name);
    if (!bets) {
        hide();
        return;
    }
    m_bets = std::move(*bets);
    m_history.clear();
    if (m_draws.empty()) {
        historySummaryLabel->setText(QStringLiteral("还没有%1的开奖号码。").arg(quotedText(m_lottery.name)));
        m_historyModel->reset({}, 0, {});
        return;
    }
    const HistoryChecker checker(m_draws, m_shape, m_table, options());
    std::unique_ptr<Desktop::Progress> progress;
    if (m_bets.size() * m_draws.size() > kQuickHistoryWork)
        progress = m_services.desktop.startProgress(this, QStringLiteral("对照历史"),
                                                    static_cast<int>(m_bets.size()));
    for (size_t i = 0; i < m_bets.size(); ++i) {
        if (progress && i % 1000 == 0
            && !progress->setValue(static_cast<int>(i),
                                   QStringLiteral("正在对照第%1注，共%2注").arg(i + 1).arg(m_bets.size()))) {
            m_history.clear();
            break;
        }
        m_history.push_back(checker.check(m_bets[i]));
    }
    if (progress)
        progress->setValue(static_cast<int>(m_bets.size()), {});
    QString text = QStringLiteral("共%1注，对照%2期开奖号码（第%3期至第%4期）")
                       .arg(m_bets.size())
                       .arg(m_draws.size())
                       .arg(QString::fromStdString(m_draws.front().issue),
                            QString::fromStdString(m_draws.back().issue));
    if (m_history.size() < m_bets.size())
        text = QStringLiteral("对照已停止。");
    else if (m_table.empty())
        text += QStringLiteral("；本彩票没有奖级规则，只显示命中个数");
    historySummaryLabel->setText(text + misfitWord(m_grid));
    m_historyModel->reset(
        {QStringLiteral("序号"), QStringLiteral("投注号码"), QStringLiteral("最好奖级"),
         QStringLiteral("各奖级次数"), QStringLiteral("奖金合计")},
        static_cast<int>(m_history.size()), [this](int row, int column, int role) -> QVariant {
            if (role != Qt::DisplayRole)
                return {};
            const HistoryCheck &check = m_history[static_cast<size_t>(row)];
            switch (column) {
            case 0:
                return row + 1;
            case 1:
                return betText(m_bets[static_cast<size_t>(row)], m_shape);
            case 2:
                if (check.rated == 0)
                    return QString::fromStdString(mostHitsText(check, m_shape));
                return check.best.empty() ? QStringLiteral("未中奖") : QString::fromStdString(check.best);
            case 3:
                return check.rated == 0 ? QStringLiteral("—")
                                        : QString::fromStdString(levelCountsText(check));
            default:
                return check.rated == 0 ? QStringLiteral("—") : QString::fromStdString(historyWonText(check));
            }
        });
    historyTable->resizeColumnsToContents();
}

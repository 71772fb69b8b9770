// The player's tickets and 缩水 as a player meets them: 记录投注 from the
// grid's menu, the 我的投注 tab once the draw is imported, a ticket opened
// back into the grid and deleted, the list exported; the 缩水 dialog's
// counts, its confirmation and its one undo step.
#include "main_window_fixture.h"

#include "app/filters/filter_dialog.h"
#include "app/filters/filter_panel.h"
#include "app/history/history_window.h"
#include "app/history/ledger_tab.h"
#include "app/history/ticket_dialog.h"
#include "app/lottery_shape.h"
#include "base/gbk.h"
#include "history/history_store.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

class LedgerTest : public MainWindowTest
{
protected:
    Tfrmmain &openWithBets(const QByteArray &bets)
    {
        Tfrmmain &w = window ? *window : open();
        const QString path = dir.file(QStringLiteral("附属/投注.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bets);
        file.close();
        desktop.fileAnswers.push_back(path);
        QTest::mouseClick(w.btnload, Qt::LeftButton);
        return w;
    }
    void storeDraws(const std::string &lines)
    {
        const HistoryStore store(dir.cataloguePath());
        store.importDraws("双色球", lotteryDrawShape(window->currentLottery()),
                          "期号 开奖日期 开奖号码\n" + lines);
    }
    // A right click on the grid, then a click on the entry of its menu.
    void fromMenu(const QString &entry)
    {
        QWidget *grid = window->grdcode->viewport();
        bool clicked = false;
        QTimer::singleShot(0, grid, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction *action : menu->actions()) {
                if (action->text() == entry) {
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                    clicked = true;
                    return;
                }
            }
            menu->close();
        });
        const QPoint at = grid->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->mapToGlobal(at));
        QApplication::sendEvent(grid, &event);
        ASSERT_TRUE(clicked) << entry.toStdString();
    }
    // 记录投注, the player typing `issue` over the proposed one (none: keeping it).
    LedgerTab &record(const QString &issue = {})
    {
        desktop.modalScript = [&, issue](QDialog *dialog) {
            auto *ticket = dynamic_cast<TicketDialog *>(dialog);
            ASSERT_NE(ticket, nullptr);
            proposed = ticket->issueEdit->text();
            cost = ticket->costLabel->text();
            if (!issue.isEmpty())
                ticket->issueEdit->setText(issue);
            QTest::mouseClick(ticket->okButton, Qt::LeftButton);
        };
        fromMenu(QStringLiteral("记录投注…"));
        HistoryWindow *history = window->historyWindow();
        EXPECT_NE(history, nullptr);
        return *history->ledgerTab;
    }
    static QStringList row(const LedgerTab &tab, int row)
    {
        QStringList cells;
        const QAbstractItemModel *model = tab.ticketTable->model();
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        return cells;
    }
    static void select(LedgerTab &tab, int row)
    {
        tab.ticketTable->selectionModel()->select(tab.ticketTable->model()->index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect
                                                      | QItemSelectionModel::Rows);
    }

    QString proposed;
    QString cost;
};

namespace {

const QByteArray kTwoBets = "01 02 03 04 05 06 07 \r\n10 11 12 13 14 15 16 \r\n";

} // namespace

TEST_F(LedgerTest, RecordedTicketIsListedAndCheckedOnceItsDrawIsImported)
{
    openWithBets(kTwoBets);
    storeDraws("2026020 2026-02-20 08 09 10 20 21 22 + 05\n");
    LedgerTab &tab = record();
    EXPECT_EQ(proposed, QStringLiteral("2026021")); // the draw after the last stored
    EXPECT_EQ(cost, QStringLiteral("2注 4元"));
    HistoryWindow &history = *window->historyWindow();
    EXPECT_TRUE(history.isVisible());
    EXPECT_EQ(history.tabs->currentWidget(), &tab);
    ASSERT_EQ(tab.ticketTable->model()->rowCount(), 1);
    EXPECT_EQ(row(tab, 0),
              (QStringList{QStringLiteral("双色球"), QStringLiteral("2026021"), QStringLiteral("2026-03-09"),
                           QStringLiteral("2"), QStringLiteral("4元"), QString(), QString(),
                           QStringLiteral("未开奖")}));
    EXPECT_EQ(tab.summaryLabel->text(),
              QStringLiteral("合计：共0张 0注 投入0元 奖金0元 盈亏0元（未开奖1张 投入4元）"));

    // The draw comes in through the history's own import.
    const QString drawFile = dir.file(QStringLiteral("附属/开奖.txt"));
    QFile file(drawFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2026021 2026-03-10 01 02 03 04 05 20 + 07\r\n");
    file.close();
    desktop.fileAnswers.push_back(drawFile);
    QTest::mouseClick(history.importButton, Qt::LeftButton);
    EXPECT_EQ(row(tab, 0).mid(5), (QStringList{QStringLiteral("最多5+1"), QStringLiteral("3000元"),
                                               QStringLiteral("三等奖1注")}));
    EXPECT_EQ(tab.summaryLabel->text(),
              QStringLiteral("合计：共1张 2注 投入4元 奖金3000元 盈亏2996元 回报率75000.0%"));

    // A period after the purchase leaves the ticket out of the list and the sums.
    tab.periodCheck->setChecked(true);
    tab.fromDate->setDate(QDate(2026, 3, 10));
    tab.toDate->setDate(QDate(2026, 12, 31));
    EXPECT_EQ(tab.ticketTable->model()->rowCount(), 0);
    EXPECT_EQ(tab.summaryLabel->text(), QStringLiteral("合计：共0张 0注 投入0元 奖金0元 盈亏0元"));
    tab.fromDate->setDate(QDate(2026, 3, 9));
    EXPECT_EQ(tab.ticketTable->model()->rowCount(), 1);

    // Exported as the player's other text files are: GBK, CR LF.
    const QString exported = dir.file(QStringLiteral("附属/投注记录.txt"));
    desktop.fileAnswers.push_back(exported);
    QTest::mouseClick(tab.exportButton, Qt::LeftButton);
    QFile written(exported);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(gbkToUtf8(written.readAll().toStdString()),
              "我的投注\r\n\r\n"
              "双色球 第2026021期 购买日期2026-03-09 2注 投入4元 三等奖1注 奖金3000元\r\n"
              "  01 02 03 04 05 06 + 07  中5+1 三等奖 3000元\r\n"
              "  10 11 12 13 14 15 + 16  中0+0\r\n"
              "\r\n共1张 2注 投入4元 奖金3000元 盈亏2996元 回报率75000.0%\r\n");
}

TEST_F(LedgerTest, ATicketOpensBackIntoTheGridAsOneUndoStepAndIsDeletedOnlyWhenConfirmed)
{
    Tfrmmain &w = openWithBets(kTwoBets);
    desktop.modalScript = [](QDialog *dialog) {
        auto *ticket = dynamic_cast<TicketDialog *>(dialog);
        ticket->issueEdit->setText(QStringLiteral("第30期"));
        QTest::mouseClick(ticket->okButton, Qt::LeftButton);
    };
    fromMenu(QStringLiteral("记录投注…"));
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{QStringLiteral("期号“第30期”不是有效的期号（如2026094），投注未记录。")});
    EXPECT_EQ(w.historyWindow(), nullptr);

    LedgerTab &tab = record(QStringLiteral("2026030"));
    EXPECT_EQ(proposed, QString()); // no draw stored: nothing to propose
    EXPECT_EQ(row(tab, 0)[1], QStringLiteral("2026030"));

    openWithBets("20 21 22 23 24 25 01 \r\n");
    select(tab, 0);
    QTest::mouseClick(tab.openButton, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);
    EXPECT_EQ(cells(w, 2), "2 10 11 12 13 14 15 16");
    w.undoGrid();
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
    EXPECT_EQ(cells(w, 1), "1 20 21 22 23 24 25 01");

    // From another lottery the ticket brings its own back.
    pick(w.comcainame, QStringLiteral("大乐透"));
    EXPECT_EQ(tab.ticketTable->model()->rowCount(), 0); // the list follows the window's lottery
    pick(tab.lotteryList, QStringLiteral("全部彩票"));
    select(tab, 0);
    QTest::mouseClick(tab.openButton, Qt::LeftButton);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
    EXPECT_EQ(cells(w, 1), "1 01 02 03 04 05 06 07");

    select(tab, 0);
    QTest::mouseClick(tab.deleteButton, Qt::LeftButton); // closed unanswered: kept
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, QStringLiteral("删除双色球第2026030期的投注记录（2注，投入4元）？"));
    EXPECT_EQ(tab.ticketTable->model()->rowCount(), 1);
    desktop.answers.push_back(Desktop::Answer::Yes);
    select(tab, 0);
    QTest::mouseClick(tab.deleteButton, Qt::LeftButton);
    EXPECT_EQ(tab.ticketTable->model()->rowCount(), 0);
}

TEST_F(LedgerTest, FilterShowsRatesAndCountsAndReplacesTheGridAsOneUndoStepOnlyWhenConfirmed)
{
    // 和值 21, 75, 135 and 183.
    Tfrmmain &w = openWithBets("01 02 03 04 05 06 07 \r\n10 11 12 13 14 15 01 \r\n"
                               "20 21 22 23 24 25 02 \r\n28 29 30 31 32 33 03 \r\n");
    // Forty draws of 2026 as a player imports them.
    QFile draws(QStringLiteral(KORVEL_SOURCE_DIR "/tests/app/data/双色球开奖.txt"));
    ASSERT_TRUE(draws.open(QIODevice::ReadOnly));
    const HistoryStore store(dir.cataloguePath());
    store.importDraws("双色球", lotteryDrawShape(w.currentLottery()), draws.readAll().toStdString());
    QString rate;
    QString repeatRate;
    QString report;
    desktop.modalScript = [&](QDialog *dialog) {
        auto *filter = dynamic_cast<FilterDialog *>(dialog);
        ASSERT_NE(filter, nullptr);
        FilterPanel &panel = *filter->panel;
        panel.lowBox(QStringLiteral("和值"))->setValue(60);
        panel.highBox(QStringLiteral("和值"))->setValue(140);
        rate = panel.rateLabel(QStringLiteral("和值"))->text();
        // 重号 compares each draw with the one before: the oldest only serves.
        panel.highBox(QStringLiteral("重号"))->setValue(1);
        repeatRate = panel.rateLabel(QStringLiteral("重号"))->text();
        panel.useBox(QStringLiteral("重号"))->setChecked(false);
        QTest::mouseClick(filter->applyButton, Qt::LeftButton);
        report = filter->reportLabel->text();
    };
    fromMenu(QStringLiteral("缩水…"));
    EXPECT_EQ(rate, QStringLiteral("近40期 88%"));
    EXPECT_EQ(repeatRate, QStringLiteral("近39期 72%"));
    EXPECT_EQ(report, QStringLiteral("缩水前4注 → 缩水后2注，投入4元"));
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_TRUE(desktop.questions[0].text.startsWith(report)) << desktop.questions[0].text.toStdString();
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 5); // closed unanswered: nothing changed

    desktop.answers.push_back(Desktop::Answer::Yes);
    fromMenu(QStringLiteral("缩水…"));
    ASSERT_EQ(w.resultGrid().grid().rowCount(), 3);
    EXPECT_EQ(cells(w, 1), "1 10 11 12 13 14 15 01");
    EXPECT_EQ(cells(w, 2), "2 20 21 22 23 24 25 02");
    w.undoGrid();
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 5);
    EXPECT_EQ(cells(w, 4), "4 28 29 30 31 32 33 03");
}

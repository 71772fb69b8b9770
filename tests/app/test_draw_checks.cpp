// The grid's checks against draws: 核对开奖号码 with levels, prizes and the
// summary line, and 对照历史 over every stored draw.
#include "main_window_fixture.h"

#include "app/history/check_window.h"
#include "app/lottery_shape.h"
#include "history/history_store.h"
#include "results/result_grid_model.h"
#include "ui/window_place.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

class DrawCheckTest : public MainWindowTest
{
protected:
    // The lottery picked and its bets loaded into the grid, one line a bet.
    Tfrmmain &openWithBets(const QString &lottery, const QByteArray &bets)
    {
        Tfrmmain &w = window ? *window : open();
        if (lottery != w.currentLottery().name)
            pick(w.comcainame, lottery);
        const QString path = dir.file(QStringLiteral("附属/投注.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bets);
        file.close();
        desktop.fileAnswers.push_back(path);
        QTest::mouseClick(w.btnload, Qt::LeftButton);
        return w;
    }
    void storeDraws(const std::string &text)
    {
        const HistoryStore store(dir.cataloguePath());
        store.importDraws(window->currentLottery().name.toStdString(),
                          lotteryDrawShape(window->currentLottery()), text);
    }
    // As a player does: a right click on the grid, then a click on the
    // entry of its menu.
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
    void checkDraw() { fromMenu(QStringLiteral("核对开奖号码…")); }
    void checkHistory() { fromMenu(QStringLiteral("对照历史…")); }
    static QStringList column(const QTableView *view, int column)
    {
        QStringList texts;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            texts << view->model()->index(row, column).data().toString();
        return texts;
    }
};

TEST_F(DrawCheckTest, NewestStoredDrawByDefaultAnyByChoiceWithLevelsPrizesAndTheSummary)
{
    Tfrmmain &w
        = openWithBets(QStringLiteral("22选5"), "01 02 03 04 05 \r\n01 02 03 04 22 \r\n01 02 03 21 22 \r\n"
                                                "01 02 20 21 22 \r\n06 07 08 09 10 \r\n");
    storeDraws("2026001 06 07 08 09 10\n2026002 2026-01-03 01 02 03 04 05\n");
    checkDraw();
    CheckWindow *check = w.checkWindow();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isVisible());
    EXPECT_TRUE(desktop.askedTitles.isEmpty()); // a stored draw needs no typing
    EXPECT_EQ(check->drawList->currentText(), QStringLiteral("2026002期 2026-01-03 01 02 03 04 05"));
    EXPECT_EQ(column(check->checkTable, 2),
              (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2"),
                           QStringLiteral("0")}));
    EXPECT_EQ(column(check->checkTable, 3),
              (QStringList{QStringLiteral("一等奖"), QStringLiteral("二等奖"), QStringLiteral("三等奖"),
                           QStringLiteral("未中奖"), QStringLiteral("未中奖")}));
    EXPECT_EQ(column(check->checkTable, 4), (QStringList{QStringLiteral("浮动"), QStringLiteral("50元"),
                                                         QStringLiteral("5元"), QString(), QString()}));
    EXPECT_EQ(check->summaryLabel->text(),
              QStringLiteral("共5注 投入10元 中奖3注 奖金55元（另有浮动奖1注）"));
    // The hits stand out in the grid as well.
    const ResultGridModel &grid = w.resultGrid();
    EXPECT_TRUE(grid.index(2, 0).data(Qt::BackgroundRole).isValid());  // 01 of 01 02 03 21 22
    EXPECT_FALSE(grid.index(2, 3).data(Qt::BackgroundRole).isValid()); // 21

    // The older draw, chosen.
    pickAt(check->drawList, 1);
    EXPECT_EQ(check->summaryLabel->text(), QStringLiteral("共5注 投入10元 中奖1注 奖金0元（另有浮动奖1注）"));
    EXPECT_TRUE(grid.index(4, 0).data(Qt::BackgroundRole).isValid()); // 06 of the last bet

    // Bets loaded while the check is open are checked in their turn.
    openWithBets(QStringLiteral("22选5"), "06 07 08 09 11 \r\n");
    QTest::qWait(1);
    EXPECT_EQ(check->summaryLabel->text(), QStringLiteral("共1注 投入2元 中奖1注 奖金50元"));
}

TEST_F(DrawCheckTest, HistoryCountsEachLevelOverEveryStoredDraw)
{
    Tfrmmain &w = openWithBets(QStringLiteral("22选5"), "01 02 03 04 05 \r\n11 12 13 14 15 \r\n");
    checkHistory();
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{QStringLiteral("还没有22选5的开奖号码，请先在“开奖历史”中导入或添加。")});
    storeDraws("2026001 01 02 03 04 05\n2026002 01 02 03 04 06\n2026003 01 02 03 07 08\n"
               "2026004 01 02 09 10 16\n2026005 01 02 03 04 09\n");
    checkHistory();
    CheckWindow *check = w.checkWindow();
    ASSERT_TRUE(check->isVisible());
    EXPECT_EQ(check->historySummaryLabel->text(),
              QStringLiteral("共2注，对照5期开奖号码（第2026001期至第2026005期）"));
    EXPECT_EQ(column(check->historyTable, 2),
              (QStringList{QStringLiteral("一等奖"), QStringLiteral("未中奖")}));
    EXPECT_EQ(column(check->historyTable, 3),
              (QStringList{QStringLiteral("一等奖（浮动）1次，二等奖（50元）2次，三等奖（5元）1次"),
                           QStringLiteral("未中奖")}));
}

TEST_F(DrawCheckTest, RowsThatAreNoBetsOfTheLotteryAreMarkedAndLeftOutOfBothChecks)
{
    // A file of 35选5 bets (23) and a row of one number five times.
    Tfrmmain &w
        = openWithBets(QStringLiteral("22选5"), "01 02 03 04 05 \r\n01 02 03 04 23 \r\n05 05 05 05 05 \r\n");
    EXPECT_EQ(
        desktop.messageTexts(),
        QStringList{QStringLiteral("有2行号码不符合22选5，已在表格中标出，核对开奖号码和对照历史时不计："
                                   "\n第2行：23不在1到22之间\n第3行：05重复")});
    const ResultGridModel &grid = w.resultGrid();
    EXPECT_EQ(grid.grid().rowCount(), 4); // loaded all the same
    EXPECT_FALSE(grid.index(0, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(grid.index(1, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(grid.index(2, 4).data(Qt::ToolTipRole).toString(),
              QStringLiteral("不符合当前彩票：05重复，核对和对照历史时不计"));

    storeDraws("2026001 01 02 03 04 22\n");
    checkDraw();
    CheckWindow *check = w.checkWindow();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(column(check->checkTable, 1), QStringList{QStringLiteral("01 02 03 04 05")});
    EXPECT_TRUE(check->summaryLabel->text().startsWith(QStringLiteral("共1注")));
    EXPECT_TRUE(check->summaryLabel->text().endsWith(QStringLiteral("；表格中另有2注不符合当前彩票，未计入")))
        << check->summaryLabel->text().toStdString();
    // No hits are shown on a row that is no bet.
    EXPECT_FALSE(grid.index(1, 0).data(Qt::FontRole).isValid());

    checkHistory();
    EXPECT_EQ(column(check->historyTable, 1), QStringList{QStringLiteral("01 02 03 04 05")});
    EXPECT_TRUE(
        check->historySummaryLabel->text().endsWith(QStringLiteral("；表格中另有2注不符合当前彩票，未计入")))
        << check->historySummaryLabel->text().toStdString();
}

TEST_F(DrawCheckTest, TypedDrawOfTwentyNumbersAndALotteryWithoutPrizeRules)
{
    dir.writeCatalogue(
        {{QStringLiteral("快乐8"), QStringLiteral("0"), QStringLiteral("80"), QStringLiteral("10")},
         {QStringLiteral("自选五"), QStringLiteral("0"), QStringLiteral("20"), QStringLiteral("5")}});
    Tfrmmain &w = openWithBets(QStringLiteral("快乐8"), "01 02 03 04 05 06 07 08 09 10 \r\n"
                                                        "11 12 13 14 15 61 62 63 64 65 \r\n"
                                                        "61 62 63 64 65 66 67 68 69 70 \r\n");
    // 快乐8 draws twenty numbers for bets of ten.
    desktop.textAnswers = {QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19")};
    checkDraw();
    EXPECT_EQ(desktop.askedTitles, QStringList{QStringLiteral("核对开奖号码")});
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("开奖号码有误：应有20个号码，读到19个！")});
    EXPECT_TRUE(w.checkWindow() == nullptr || !w.checkWindow()->isVisible());

    desktop.textAnswers = {QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20")};
    checkDraw();
    CheckWindow *check = w.checkWindow();
    ASSERT_TRUE(check->isVisible());
    EXPECT_EQ(check->drawList->currentText(),
              QStringLiteral("输入的号码 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20"));
    EXPECT_EQ(
        column(check->checkTable, 3),
        (QStringList{QStringLiteral("选十中十"), QStringLiteral("选十中五"), QStringLiteral("选十中0")}));
    EXPECT_EQ(check->summaryLabel->text(), QStringLiteral("共3注 投入6元 中奖3注 奖金5元（另有浮动奖1注）"));

    // The player's own lottery has no prize table: hits only.
    desktop.messages.clear();
    pick(w.comcainame, QStringLiteral("自选五"));
    QTest::qWait(1);
    EXPECT_FALSE(check->isVisible()); // its bets were another lottery's
    openWithBets(QStringLiteral("自选五"), "01 02 03 04 05 \r\n");
    desktop.textAnswers = {QStringLiteral("05 04 10 11 12")};
    checkDraw();
    EXPECT_EQ(column(check->checkTable, 2), QStringList{QStringLiteral("2")});
    EXPECT_EQ(check->summaryLabel->text(), QStringLiteral("共1注（本彩票没有奖级规则，只显示命中个数）"));
}

TEST_F(DrawCheckTest, TwoZoneBetsAreCheckedZoneByZoneByTheRulesOfTheDrawsIssue)
{
    Tfrmmain &w = openWithBets(QStringLiteral("双色球"), "01 02 03 04 05 06 07 \r\n01 02 03 04 05 33 07 \r\n"
                                                         "01 02 03 04 05 33 16 \r\n20 21 22 23 24 25 07 \r\n"
                                                         "01 02 03 20 21 22 16 \r\n");
    // 3+0 won nothing before 2026014 and 福运奖 from then on.
    storeDraws("2026001 01 02 03 04 05 06 + 07\n2026020 01 02 03 04 05 06 + 07\n");
    checkDraw();
    CheckWindow *check = w.checkWindow();
    ASSERT_TRUE(check->isVisible());
    EXPECT_EQ(check->drawList->currentText(), QStringLiteral("2026020期 01 02 03 04 05 06 + 07"));
    EXPECT_EQ(check->checkTable->model()->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("红球命中"));
    EXPECT_EQ(check->checkTable->model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("蓝球命中"));
    EXPECT_EQ(column(check->checkTable, 1).first(), QStringLiteral("01 02 03 04 05 06 + 07"));
    EXPECT_EQ(column(check->checkTable, 2),
              (QStringList{QStringLiteral("6"), QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("0"),
                           QStringLiteral("3")}));
    EXPECT_EQ(column(check->checkTable, 3),
              (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                           QStringLiteral("0")}));
    EXPECT_EQ(column(check->checkTable, 4),
              (QStringList{QStringLiteral("一等奖"), QStringLiteral("三等奖"), QStringLiteral("四等奖"),
                           QStringLiteral("六等奖"), QStringLiteral("福运奖")}));
    EXPECT_EQ(check->summaryLabel->text(),
              QStringLiteral("共5注 投入10元 中奖5注 奖金3210元（另有浮动奖1注）"));
    // The blue ball hits in its own column only.
    const ResultGridModel &grid = w.resultGrid();
    EXPECT_TRUE(grid.index(3, 6).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(grid.index(2, 6).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(grid.index(3, 0).data(Qt::BackgroundRole).isValid());

    pickAt(check->drawList, 1);
    EXPECT_EQ(column(check->checkTable, 5).last(), QString());
    EXPECT_EQ(check->summaryLabel->text(),
              QStringLiteral("共5注 投入10元 中奖4注 奖金3205元（另有浮动奖1注）"));

    // A typed draw is checked by the rules of its 期号, the next one
    // proposed; without one, by the newest rules (福运奖 ended at 2026076).
    const std::vector<std::pair<QString, QString>> typed = {
        {QStringLiteral("2026010 01 02 03 04 05 06 + 07"), QStringLiteral("未中奖")},
        {QStringLiteral("2026030 01 02 03 04 05 06 + 07"), QStringLiteral("福运奖")},
        {QStringLiteral("01 02 03 04 05 06 + 07"), QStringLiteral("未中奖")},
    };
    for (const auto &[line, level] : typed) {
        desktop.textAnswers = {line};
        QTest::mouseClick(check->typeDrawButton, Qt::LeftButton);
        EXPECT_EQ(desktop.askedTexts.back(), QStringLiteral("2026021 "));
        EXPECT_EQ(column(check->checkTable, 4).last(), level) << line.toStdString();
    }
    EXPECT_EQ(check->drawList->currentText(), QStringLiteral("输入的号码 01 02 03 04 05 06 + 07"));

    checkHistory();
    EXPECT_EQ(column(check->historyTable, 2).last(), QStringLiteral("福运奖"));
    EXPECT_EQ(column(check->historyTable, 3).last(), QStringLiteral("福运奖（2026014期起规则，5元）1次"));
    EXPECT_EQ(column(check->historyTable, 4).last(), QStringLiteral("5元"));
}

TEST(WindowPlace, ACheckOrHistoryWindowGoesBesideTheMainWindowWhereTheScreenHasRoom)
{
    const QRect screen(0, 0, 1920, 1040);
    const QSize check(760, 480);
    // Main window moved to the left: the check goes right of it, level with its middle.
    EXPECT_EQ(placeBeside(QRect(10, 100, 685, 531), check, screen), QPoint(703, 126));
    // Moved to the right: left of it.
    EXPECT_EQ(placeBeside(QRect(1200, 100, 685, 531), check, screen), QPoint(432, 126));
    // No room either side: against the screen's right edge, over the main
    // window's buttons, leaving its grid (x 629 to 1070) in sight.
    EXPECT_EQ(placeBeside(QRect(617, 274, 685, 531), check, screen), QPoint(1159, 300));
    EXPECT_EQ(placeBeside(QRect(0, 0, 685, 531), QSize(1240, 580), QRect(0, 0, 1280, 1024)), QPoint(39, 0));
}

// The history window takes the room beside the main window, never the
// whole screen over it, so that the player picks numbers and reads the
// chart at once.
TEST(WindowPlace, TheHistoryWindowIsAsWideAsTheRoomBesideTheMainWindow)
{
    const QRect wide(0, 0, 1920, 1040);
    EXPECT_EQ(widthBeside(QRect(617, 274, 685, 531), 1240, 480, 470, wide), 610);
    EXPECT_EQ(widthBeside(QRect(10, 100, 685, 531), 700, 480, 470, wide), 700);
    EXPECT_EQ(widthBeside(QRect(1225, 100, 685, 531), 1240, 480, 470, wide), 1217);
    // A 1280-wide screen has no such room either side of a centred main
    // window: the window stands right of the grid, over the buttons.
    const QRect narrow(0, 0, 1280, 1024);
    const QRect main(297, 246, 685, 531);
    const int width = widthBeside(main, 1240, 480, 470, narrow);
    EXPECT_EQ(width, 505);
    EXPECT_GE(placeBeside(main, QSize(width, 580), narrow).x(), main.x() + 470);
    // Too small a screen for anything beside: the window may cover it.
    EXPECT_EQ(widthBeside(QRect(0, 0, 685, 531), 1240, 480, 470, QRect(0, 0, 800, 600)), 800);
}

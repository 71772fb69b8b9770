#include "main_window_fixture.h"

#include "app/u_index.h"
#include "results/result_grid_model.h"
#include "ui/radio_group.h"

#include <QPushButton>
#include <QTest>

namespace {

// The player's part: fill in a lottery and press "添加彩票".
std::function<void(QDialog *)> addLottery(const QString &name, int kind, const QString &total,
                                          const QString &count)
{
    return [=](QDialog *dialog) {
        auto *index = static_cast<Tfrmindex *>(dialog);
        index->edtcainame->setText(name);
        index->optcaitype->setItemIndex(kind);
        index->edtcaisum->setText(total);
        index->edtcaisel->setText(count);
        QTest::mouseClick(index->btnadd, Qt::LeftButton);
    };
}

} // namespace

TEST_F(MainWindowTest, AddingALotteryRerunsTheStartUp)
{
    clock.date = QDate(2026, 12, 8);
    dir.writeSinglePoolCatalogue();
    Tfrmmain &w = open();
    pick(w.comcainame, QStringLiteral("七星彩"));
    for (QLineEdit *box : visibleBoxes())
        box->setText(QStringLiteral("3"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    ASSERT_EQ(w.resultGrid().grid().cell(0, 1), "1");
    w.comfangwei->setCurrentIndex(4);
    clock.date = QDate(2027, 2, 3);

    desktop.modalScript = addLottery(QStringLiteral("东方6+1"), 1, QStringLiteral("10"), QStringLiteral("6"));
    QTest::mouseClick(w.btnindex, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功添加彩票！")});
    EXPECT_EQ(w.comcainame->count(), 10);
    EXPECT_EQ(w.comcainame->itemText(9), QStringLiteral("东方6+1"));
    EXPECT_EQ(w.commode->count(), 20);
    EXPECT_EQ(w.comnian->count(), 99);
    EXPECT_EQ(w.comfangwei->currentText(), QStringLiteral("东"));
    EXPECT_EQ(w.comnian->currentText(), QStringLiteral("2026"));
    EXPECT_EQ(w.comyuei->currentText(), QStringLiteral("02"));
    // The results stay, and with them the lottery they were made for: the
    // next bet is one of seven numbers again, not one of 双色球's six.
    EXPECT_EQ(w.resultGrid().grid().cell(0, 1), "1");
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("七星彩"));
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("七星彩"));
    ASSERT_EQ(visibleBoxes().size(), 7u);
    for (QLineEdit *box : visibleBoxes())
        box->setText(QStringLiteral("4"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().columnCount(), 8);
    EXPECT_FALSE(w.resultGrid().grid().cell(7, 1).empty());
    EXPECT_FALSE(w.resultGrid().grid().cell(7, 2).empty());

    // A second addition with the grid cleared: the first lottery is chosen,
    // as at start-up, and still every list is filled once.
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    desktop.messages.clear();
    desktop.modalScript = addLottery(QStringLiteral("15选5"), 0, QStringLiteral("15"), QStringLiteral("5"));
    QTest::mouseClick(w.btnindex, Qt::LeftButton);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
    EXPECT_EQ(visibleBoxes().size(), 6u);
    EXPECT_EQ(w.comcainame->count(), 11);
    EXPECT_EQ(w.commode->count(), 20);
    EXPECT_EQ(w.comxianhou->count(), 2);
    pick(w.comcainame, QStringLiteral("15选5"));
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("15选5"), {0, 15, 5}}));
}

TEST_F(MainWindowTest, TheDialogIsKeptAndRemembersItsFields)
{
    Tfrmmain &w = open();
    desktop.modalScript = addLottery(QStringLiteral("新彩票"), 0, QStringLiteral("20"), QStringLiteral("5"));
    QTest::mouseClick(w.btnindex, Qt::LeftButton);
    Tfrmindex *first = w.frmindex();
    ASSERT_NE(first, nullptr);

    desktop.messages.clear();
    desktop.modalScript = [](QDialog *dialog) {
        QTest::mouseClick(static_cast<Tfrmindex *>(dialog)->btnadd, Qt::LeftButton);
    };
    QTest::mouseClick(w.btnindex, Qt::LeftButton);
    EXPECT_EQ(w.frmindex(), first);
    EXPECT_EQ(first->edtcainame->text(), QStringLiteral("新彩票"));
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("该彩票名称已经存在，请输入其他票名称！")});
    EXPECT_EQ(w.comcainame->count(), 10);
}

TEST_F(MainWindowTest, CancelledDialogChangesNothing)
{
    Tfrmmain &w = open();
    pick(w.comcainame, QStringLiteral("排列五"));
    visibleBoxes()[0]->setText(QStringLiteral("7"));
    QTest::mouseClick(w.btnindex, Qt::LeftButton); // no script: the player closes it
    EXPECT_EQ(desktop.modalDialogs.size(), 1u);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("排列五"));
    EXPECT_EQ(visibleBoxes()[0]->text(), QStringLiteral("7"));
}

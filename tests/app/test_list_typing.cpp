#include "main_window_fixture.h"

#include "results/result_grid_model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

// The lists of lotteries and methods have a text line. Qt reports a listed
// name typed there as a pick when the line gets Enter or loses the focus;
// the window must not take it for one (picking a lottery deletes the number
// box that is just taking the focus, and clears the bets).
class ListTypingTest : public MainWindowTest
{
protected:
    // The worked examples are single pools: 双色球 33/6 without its blue ball.
    void SetUp() override { dir.writeSinglePoolCatalogue(); }

    Tfrmmain &openWithBet()
    {
        Tfrmmain &w = open();
        w.show();
        QApplication::setActiveWindow(&w);
        for (QLineEdit *box : visibleBoxes())
            box->setText(QString::number(box->x() % 30 + 1));
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
        return w;
    }
    // Types into a list as the player does: the list holds the focus and
    // hands the keys to its text line.
    static void typeInto(QComboBox *list, const QString &text)
    {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void expectUnchanged(const Tfrmmain &w, const std::vector<QLineEdit *> &boxes)
    {
        EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
        EXPECT_EQ(visibleBoxes(), boxes);
        EXPECT_EQ(w.resultGrid().grid().cell(0, 1), "1");
    }
};

TEST_F(ListTypingTest, TypingALotteryNameNeverSelectsIt)
{
    Tfrmmain &w = openWithBet();
    const std::vector<QLineEdit *> boxes = visibleBoxes();

    typeInto(w.comcainame, QStringLiteral("大乐透"));
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("大乐透"));
    QTest::keyClick(w.comcainame, Qt::Key_Return);
    expectUnchanged(w, boxes);

    typeInto(w.comcainame, QStringLiteral("福彩3D"));
    QTest::keyClick(w.comcainame, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), w.comcainame);
    expectUnchanged(w, boxes);
    // A name left in the list would say another lottery is current.
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("双色球"));

    // The steps that crashed: a typed name, then a click on a number box.
    typeInto(w.comcainame, QStringLiteral("大乐透"));
    QTest::mouseClick(boxes[2], Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), boxes[2]);
    expectUnchanged(w, boxes);
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("双色球"));
    QApplication::processEvents(); // the box selects its text on focus
    QTest::keyClicks(boxes[2], QStringLiteral("9"));
    EXPECT_EQ(boxes[2]->text(), QStringLiteral("9"));
}

TEST_F(ListTypingTest, ArrowsOnTheClosedListAndKeysInTheOpenListPick)
{
    Tfrmmain &w = openWithBet();
    w.comcainame->setFocus();
    QTest::keyClick(w.comcainame, Qt::Key_Down);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("大乐透"));
    EXPECT_EQ(visibleBoxes().size(), 5u);
    EXPECT_FALSE(w.resultGrid().grid().hasBets());

    w.comcainame->showPopup();
    QAbstractItemView *view = w.comcainame->view();
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("七乐彩"));
    EXPECT_EQ(visibleBoxes().size(), 7u);
}

TEST_F(ListTypingTest, TypingAMethodNameNeverRunsItsPrompts)
{
    Tfrmmain &w = openWithBet();
    const std::vector<QLineEdit *> boxes = visibleBoxes();
    const QString caption = w.grpcode->title();

    typeInto(w.commode, QStringLiteral("广义阴阳五行修正"));
    QTest::keyClick(w.commode, Qt::Key_Return);
    EXPECT_FALSE(w.edtoricode->isVisible());
    typeInto(w.commode, QStringLiteral("广义阴阳五行修正"));
    QTest::mouseClick(boxes[0], Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), boxes[0]);
    EXPECT_FALSE(w.edtoricode->isVisible());
    EXPECT_TRUE(w.comnian->isVisible());
    EXPECT_EQ(w.grpcode->title(), caption);
    expectUnchanged(w, boxes);

    // The arrow key onto the generalized method is a pick.
    w.commode->setCurrentIndex(18);
    w.commode->setFocus();
    QTest::keyClick(w.commode, Qt::Key_Down);
    EXPECT_TRUE(w.edtoricode->isVisible());
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("控制量数：请输入6个1--6范围内数字（可以重复）"));
    expectUnchanged(w, boxes);
}

// 组号 as a player uses it: balls clicked, a 旋转矩阵 chosen, its bets put into
// the grid as one undo step.
#include "main_window_fixture.h"

#include "app/compose/ball_board.h"
#include "app/compose/compose_window.h"
#include "views/result_grid_view.h"
#include "wheels/covering.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

TEST_F(MainWindowTest, ComposeWheelOfTwelveRedGoesIntoTheGridAndUndoTakesItBack)
{
    Tfrmmain &w = open();
    EXPECT_EQ(w.btncompose->parentWidget(), w.GroupBox2);
    EXPECT_EQ(w.btncompose->geometry(), QRect(104, 16, 73, 25));
    EXPECT_EQ(w.btnhistory->geometry(), QRect(14, 16, 75, 25));
    QTest::mouseClick(w.btncompose, Qt::LeftButton);
    ComposeWindow &c = *w.composeWindow();
    ASSERT_TRUE(c.isVisible());
    ASSERT_EQ(c.boards.size(), 2u);
    EXPECT_EQ(c.boards[1]->title(), QStringLiteral("蓝球"));
    c.setSearchSeconds(0.5);

    // A click chooses, the next makes a 胆, the next kills, the next clears.
    QPushButton *ball = c.boards[0]->ball(1);
    QTest::mouseClick(ball, Qt::LeftButton);
    EXPECT_EQ(c.boards[0]->marks()[0], BallMark::Chosen);
    QTest::mouseClick(ball, Qt::LeftButton);
    EXPECT_EQ(c.boards[0]->marks()[0], BallMark::Banker);
    QTest::mouseClick(ball, Qt::LeftButton);
    QTest::mouseClick(ball, Qt::LeftButton);
    EXPECT_EQ(c.boards[0]->marks()[0], BallMark::None);

    for (int number = 1; number <= 12; ++number)
        QTest::mouseClick(c.boards[0]->ball(number), Qt::LeftButton);
    QTest::mouseClick(c.boards[1]->ball(7), Qt::LeftButton);
    EXPECT_EQ(c.lblCount->text(), QStringLiteral("共924注 投入1848元")); // 复式 of 12 red

    c.comPlay->setCurrentIndex(c.comPlay->findText(QStringLiteral("旋转矩阵")));
    EXPECT_EQ(c.comGuarantee->findText(QStringLiteral("中7保6")), -1);
    const int sixFive = c.comGuarantee->findText(QStringLiteral("中6保5"));
    ASSERT_GE(sixFive, 0);
    // 中5保5 has a shipped table, told beside the record (S(5, 6, 12), 132
    // bets); 中6保5 has neither and is searched for.
    c.comGuarantee->setCurrentIndex(c.comGuarantee->findText(QStringLiteral("中5保5")));
    EXPECT_EQ(c.lblRecord->text(), QStringLiteral("矩阵132注 记录132注"));
    c.comGuarantee->setCurrentIndex(sixFive);
    EXPECT_EQ(c.lblRecord->text(), QStringLiteral("矩阵表中没有，加入表格时搜索"));
    QTest::mouseClick(c.btnAppend, Qt::LeftButton);
    ASSERT_FALSE(c.wheel().empty()) << desktop.messageTexts().join(u'\n').toStdString();
    EXPECT_TRUE(verifyWheel({12, 6, 6, 5}, c.wheel()));
    const int bets = static_cast<int>(c.wheel().size());
    EXPECT_EQ(w.resultGrid().grid().rowCount(), bets + 1);
    EXPECT_EQ(c.lblCount->text(), QStringLiteral("共%1注 投入%2元").arg(bets).arg(2 * bets));
    EXPECT_EQ(w.resultGrid().grid().cell(7, 1), "07");

    // The player goes back to the main window to undo.
    w.show();
    QApplication::setActiveWindow(&w);
    w.grdcode->setFocus();
    QTest::keyClick(w.grdcode, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(w.resultGrid().grid().hasBets());
}

TEST_F(MainWindowTest, ComposeRefusesMoreBetsThanTheGridHolds)
{
    Tfrmmain &w = open();
    QTest::mouseClick(w.btncompose, Qt::LeftButton);
    ComposeWindow &c = *w.composeWindow();
    for (int number = 1; number <= 33; ++number)
        QTest::mouseClick(c.boards[0]->ball(number), Qt::LeftButton);
    QTest::mouseClick(c.boards[1]->ball(1), Qt::LeftButton);
    QTest::mouseClick(c.btnAppend, Qt::LeftButton); // C(33, 6) = 1,107,568 bets
    EXPECT_TRUE(desktop.messageTexts().join(u'\n').contains(QStringLiteral("表格最多容纳")));
    EXPECT_FALSE(w.resultGrid().grid().hasBets());
}

// The open 组号 window follows the lottery picked in the main window, and
// 大乐透's 追加 is priced in the count line (1 元 more a bet) and offered only
// where it is sold.
TEST_F(MainWindowTest, ComposeFollowsTheMainWindowsLotteryAndPricesZhuijia)
{
    Tfrmmain &w = open();
    QTest::mouseClick(w.btncompose, Qt::LeftButton);
    ComposeWindow &c = *w.composeWindow();
    EXPECT_TRUE(c.chkExtra->isHidden());

    pick(w.comcainame, QStringLiteral("大乐透"));
    EXPECT_EQ(c.windowTitle(), QStringLiteral("组号 - 大乐透"));
    ASSERT_EQ(c.boards.size(), 2u);
    EXPECT_NE(c.boards[0]->ball(35), nullptr);
    EXPECT_EQ(c.boards[1]->title(), QStringLiteral("后区"));
    EXPECT_FALSE(c.chkExtra->isHidden());
    for (int number = 1; number <= 6; ++number)
        QTest::mouseClick(c.boards[0]->ball(number), Qt::LeftButton);
    for (int number = 1; number <= 3; ++number)
        QTest::mouseClick(c.boards[1]->ball(number), Qt::LeftButton);
    EXPECT_EQ(c.lblCount->text(), QStringLiteral("共18注 投入36元"));
    // On the box itself: the check box is as wide as the column, its box is not.
    QTest::mouseClick(c.chkExtra, Qt::LeftButton, {}, QPoint(8, c.chkExtra->height() / 2));
    EXPECT_EQ(c.lblCount->text(), QStringLiteral("共18注 投入54元"));
    QTest::mouseClick(c.btnAppend, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 19) << desktop.messageTexts().join(u'\n').toStdString();

    // Back to 双色球: no 追加 there, and a tick left from 大乐透 costs nothing.
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    pick(w.comcainame, QStringLiteral("双色球"));
    EXPECT_EQ(c.windowTitle(), QStringLiteral("组号 - 双色球"));
    EXPECT_TRUE(c.chkExtra->isHidden());
    for (int number = 1; number <= 7; ++number)
        QTest::mouseClick(c.boards[0]->ball(number), Qt::LeftButton);
    QTest::mouseClick(c.boards[1]->ball(1), Qt::LeftButton);
    EXPECT_EQ(c.lblCount->text(), QStringLiteral("共7注 投入14元"));
}

// The bets behind the count line: a wheel's fronts each with every blue
// chosen, digit 复式 and 组选 as counted, and 胆 kept out of a plain 复式.
TEST(ComposeBets, WheelFrontsGoWithEveryBackBetAndCountsMatchTheBets)
{
    const Lottery twoColour(Lotto, 33, 6, "蓝球", 16, 1);
    ComposeRequest wheel{twoColour, ComposePlay::Wheel, {{{}, {2, 4, 6, 8, 10, 12, 14}}, {{}, {3, 9}}}, 2, 2};
    const std::vector<BetMask> bets{betMask({1, 2, 3, 4, 5, 6}), betMask({2, 3, 4, 5, 6, 7})};
    ASSERT_TRUE(composeCount(wheel, &bets).accepted());
    EXPECT_EQ(composeCount(wheel, &bets).value(), 4u);
    EXPECT_FALSE(composeCount(wheel, nullptr).accepted()); // not searched yet
    const std::vector<int> numbers = composeBets(wheel, &bets, {});
    EXPECT_EQ(numbers, (std::vector<int>{2, 4, 6, 8,  10, 12, 3, 2, 4, 6, 8,  10, 12, 9, //
                                         4, 6, 8, 10, 12, 14, 3, 4, 6, 8, 10, 12, 14, 9}));

    ComposeRequest compound{twoColour, ComposePlay::Compound, {{{1}, {2, 3, 4, 5, 6, 7}}, {{}, {1}}}};
    EXPECT_FALSE(composeCount(compound, nullptr).accepted());
    compound.play = ComposePlay::Banker; // 1 胆 + 5 of 6 拖
    EXPECT_EQ(composeCount(compound, nullptr).value(), 6u);
    EXPECT_EQ(composeBets(compound, nullptr, {}).size(), 6u * 7u);

    const Lottery threeD(Digit, 10, 3);
    ComposeRequest digits{threeD, ComposePlay::Compound, {{{}, {1, 2}}, {{}, {0, 5, 9}}, {{}, {4}}}};
    EXPECT_EQ(composeCount(digits, nullptr).value(), 6u);
    EXPECT_EQ(composeBets(digits, nullptr, {}),
              (std::vector<int>{1, 0, 4, 1, 5, 4, 1, 9, 4, 2, 0, 4, 2, 5, 4, 2, 9, 4}));
    digits.play = ComposePlay::Group6;
    digits.zones = {{{}, {1, 2, 3, 4}}, {}, {}};
    EXPECT_EQ(composeCount(digits, nullptr).value(), 4u);
    EXPECT_EQ(composeBets(digits, nullptr, {}).size(), 12u);
}

#include "main_window_fixture.h"

#include "results/result_grid_model.h"
#include "ui/radio_group.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

// Every result row's numbers, one text a row ("03 07 …").
QStringList rows(const Tfrmmain &w)
{
    QStringList result;
    const ResultGrid &grid = w.resultGrid().grid();
    for (int row = 1; row < grid.rowCount(); ++row) {
        QStringList numbers;
        for (int column = 1; column < grid.columnCount(); ++column)
            numbers << QString::fromStdString(std::string(grid.cell(column, row)));
        result << numbers.join(QLatin1Char(' '));
    }
    return result;
}

} // namespace

class UndoTest : public MainWindowTest
{
protected:
    // The worked examples are single pools: 双色球 33/6 without its blue ball.
    void SetUp() override { dir.writeSinglePoolCatalogue(); }

    void convert(Tfrmmain &w, int first)
    {
        const auto boxes = visibleBoxes();
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(QString::number((first + static_cast<int>(i)) % 9 + 1));
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
    }
    void pressUndo(Tfrmmain &w) { QTest::keyClick(w.grdcode, Qt::Key_Z, Qt::ControlModifier); }
    Tfrmmain &openShown()
    {
        Tfrmmain &w = open();
        w.show();
        QApplication::setActiveWindow(&w);
        w.grdcode->setFocus();
        return w;
    }
};

// Right after a pick the list's text line has the focus and nothing of its
// own to undo: Ctrl+Z and Ctrl+Y act on the grid. A box with typing of its
// own undoes that first.
TEST_F(UndoTest, UndoKeysReachTheGridFromATextBoxWithNothingToUndo)
{
    Tfrmmain &w = openShown();
    convert(w, 0);
    const QStringList sixes = rows(w);
    pick(w.comcainame, QStringLiteral("福彩3D"));
    w.comcainame->setFocus();
    QTest::keyClick(w.comcainame, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
    EXPECT_EQ(rows(w), sixes);
    QTest::keyClick(w.comcainame, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("福彩3D"));

    QLineEdit *box = visibleBoxes()[0];
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("7"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("福彩3D"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
}

// The player's steps that lost bets: 双色球 bets, a pick of 福彩3D, undo,
// 转换号码, save. Undo brings the lottery back with its bets, so the rows
// keep their six numbers and the file holds them all.
TEST_F(UndoTest, UndoingASelectionBringsBackTheLotteryWithItsBets)
{
    Tfrmmain &w = openShown();
    for (int i = 0; i < 3; ++i)
        convert(w, i);
    const QStringList sixes = rows(w);
    ASSERT_EQ(sixes.size(), 3);
    ASSERT_EQ(sixes[0].split(QLatin1Char(' ')).size(), 6);

    pick(w.comcainame, QStringLiteral("福彩3D"));
    convert(w, 4);
    const QStringList threes = rows(w);
    pick(w.comcainame, QStringLiteral("大乐透"));
    EXPECT_FALSE(w.resultGrid().grid().hasBets());

    w.grdcode->setFocus();
    pressUndo(w);
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("福彩3D"), {1, 10, 3}}));
    EXPECT_EQ(rows(w), threes);
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("福彩3D"));
    EXPECT_EQ(w.optcaitype->itemIndex(), 1);
    EXPECT_EQ(w.edtcaisel->text(), QStringLiteral("3"));
    EXPECT_EQ(visibleBoxes().size(), 3u);
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入3个0--9范围内数字（可以重复）"));

    pressUndo(w);
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("双色球"), {0, 33, 6}}));
    EXPECT_EQ(rows(w), sixes);
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("双色球"));
    EXPECT_EQ(visibleBoxes().size(), 6u);

    // A new bet joins them; no row is cut or widened.
    convert(w, 7);
    const QStringList four = rows(w);
    ASSERT_EQ(four.size(), 4);
    EXPECT_EQ(four.mid(0, 3), sixes);
    for (const QString &row : four)
        EXPECT_EQ(row.split(QLatin1Char(' ')).size(), 6) << row.toStdString();

    const QString file = dir.file(QStringLiteral("附属/撤销.txt"));
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5); // four lines and the end
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(QString::fromLatin1(lines[i]), four[i] + QStringLiteral(" \r"));

    // The draw asked for is the 双色球 draw.
    desktop.textAnswers = {QStringLiteral("01 02 03 04 05 06")};
    w.findChild<QAction *>(QStringLiteral("actCheckDraw"))->trigger();
    EXPECT_EQ(desktop.askedLabels.value(0), QStringLiteral("请输入双色球的期号（可省略）和6个开奖号码："));
}

// An undo used to drop the grid it replaced: bets made after a selection
// were gone for good once the player pressed Ctrl+Z. They come back with
// redo, and stay within undo's reach after a new replacement.
TEST_F(UndoTest, WhatAnUndoReplacedComesBackWithRedoAndIsNeverDropped)
{
    Tfrmmain &w = openShown();
    convert(w, 0);
    const QStringList first = rows(w);
    pick(w.comcainame, QStringLiteral("福彩3D"));
    convert(w, 1);
    convert(w, 2);
    const QStringList digits = rows(w);
    ASSERT_EQ(digits.size(), 2);

    w.grdcode->setFocus();
    pressUndo(w);
    EXPECT_EQ(rows(w), first);
    QTest::keyClick(w.grdcode, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("福彩3D"));
    EXPECT_EQ(rows(w), digits);

    // Undone, then cleared: undo walks back to the 双色球 bet and then to
    // the 福彩3D bets.
    pressUndo(w);
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    EXPECT_FALSE(w.resultGrid().grid().hasBets());
    pressUndo(w);
    EXPECT_EQ(rows(w), first);
    pressUndo(w);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("福彩3D"));
    EXPECT_EQ(rows(w), digits);
}

TEST_F(UndoTest, UndoingALoadBringsBackWhatStoodBefore)
{
    Tfrmmain &w = openShown();
    pick(w.comcainame, QStringLiteral("七星彩"));
    convert(w, 2);
    const QStringList sevens = rows(w);
    const QString file = dir.file(QStringLiteral("附属/三个.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("\xb8\xa3\xb2\xca"
              "3D\r\n1\r\n10\r\n3\r\n1\r\n123\r\n"); // 福彩3D in GBK
    out.close();
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    ASSERT_EQ(w.currentLottery().name, QStringLiteral("福彩3D"));
    ASSERT_EQ(rows(w), QStringList{QStringLiteral("1 2 3")});

    w.grdcode->setFocus();
    pressUndo(w);
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("七星彩"), {1, 10, 7}}));
    EXPECT_EQ(rows(w), sevens);
    EXPECT_EQ(visibleBoxes().size(), 7u);
    // Then the pick of 七星彩; nothing more to undo changes nothing.
    pressUndo(w);
    pressUndo(w);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
    EXPECT_FALSE(w.resultGrid().grid().hasBets());
}

// A checked draw belongs to the rows it was checked on: it goes with them
// and comes back with them.
TEST_F(UndoTest, TheCheckedDrawComesBackWithItsRows)
{
    Tfrmmain &w = openShown();
    convert(w, 0);
    desktop.textAnswers = {QStringLiteral("01 02 03 04 05 06")};
    w.findChild<QAction *>(QStringLiteral("actCheckDraw"))->trigger();
    ASSERT_TRUE(w.resultGrid().hasDraw());

    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    EXPECT_FALSE(w.resultGrid().hasDraw());
    pick(w.comcainame, QStringLiteral("福彩3D"));
    convert(w, 1);
    EXPECT_FALSE(w.resultGrid().hasDraw());
    w.grdcode->setFocus();
    pressUndo(w); // the cleared 双色球 grid, under 双色球
    EXPECT_FALSE(w.resultGrid().hasDraw());
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
    pressUndo(w); // the bets before the clear, with their draw
    EXPECT_TRUE(w.resultGrid().hasDraw());
    EXPECT_EQ(rows(w).size(), 1);
}

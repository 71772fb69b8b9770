#include "main_window_fixture.h"

#include "results/result_grid_model.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>

class ExtrasTest : public MainWindowTest
{
protected:
    // The worked examples are single pools: 双色球 33/6 without its blue ball.
    void SetUp() override { dir.writeSinglePoolCatalogue(); }

    Tfrmmain &openWithBets(const QString &lottery = QStringLiteral("双色球"))
    {
        clock.date = QDate(2025, 5, 17);
        clock.time = QTime(8, 0);
        Tfrmmain &w = open();
        if (lottery != w.currentLottery().name)
            pick(w.comcainame, lottery);
        return w;
    }
    void convert(Tfrmmain &w, const QStringList &numbers)
    {
        const auto boxes = visibleBoxes();
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(numbers[static_cast<qsizetype>(i)]);
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
    }
    QAction *act(Tfrmmain &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }
    QVariant cellData(Tfrmmain &w, int row, int column, int role)
    {
        return w.resultGrid().data(w.resultGrid().index(row - 1, column - 1), role);
    }
};

TEST_F(ExtrasTest, LottoDrawHighlightsMatchingNumbers)
{
    Tfrmmain &w = openWithBets();
    pick(w.commode, QStringLiteral("太极图阳邻修正"));
    convert(w, {QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("12"), QStringLiteral("19"),
                QStringLiteral("25"), QStringLiteral("31")}); // 02 03 04 16 31 32
    desktop.textAnswers = {QStringLiteral("01 02 05 16 20 33")};
    act(w, "actCheckDraw")->trigger();
    EXPECT_EQ(desktop.askedTitles, QStringList{QStringLiteral("核对开奖号码")});
    EXPECT_TRUE(w.resultGrid().hasDraw());
    EXPECT_TRUE(cellData(w, 1, 1, Qt::BackgroundRole).isValid());  // 02
    EXPECT_FALSE(cellData(w, 1, 2, Qt::BackgroundRole).isValid()); // 03
    EXPECT_TRUE(cellData(w, 1, 4, Qt::BackgroundRole).isValid());  // 16
    EXPECT_TRUE(cellData(w, 1, 1, Qt::ToolTipRole).toString().contains(QStringLiteral("命中2个号码")));

    // No match, and all match.
    desktop.textAnswers = {QStringLiteral("05 06 07 08 09 10")};
    act(w, "actCheckDraw")->trigger();
    EXPECT_TRUE(cellData(w, 1, 1, Qt::ToolTipRole).toString().contains(QStringLiteral("命中0个号码")));
    desktop.textAnswers = {QStringLiteral("32 31 16 4 3 2")};
    act(w, "actCheckDraw")->trigger();
    for (int column = 1; column <= 6; ++column)
        EXPECT_TRUE(cellData(w, 1, column, Qt::BackgroundRole).isValid()) << column;

    // Clearing removes the highlighting.
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    EXPECT_FALSE(w.resultGrid().hasDraw());
}

TEST_F(ExtrasTest, DigitDrawMatchesPositionsAndBadEntriesAreRefused)
{
    Tfrmmain &w = openWithBets(QStringLiteral("福彩3D"));
    pick(w.commode, QStringLiteral("洛书阳邻修正"));
    convert(w, {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("9")}); // 9 5 1
    desktop.textAnswers = {QStringLiteral("951")};
    act(w, "actCheckDraw")->trigger();
    for (int column = 1; column <= 3; ++column)
        EXPECT_TRUE(cellData(w, 1, column, Qt::BackgroundRole).isValid()) << column;
    desktop.textAnswers = {QStringLiteral("1 5 9")};
    act(w, "actCheckDraw")->trigger();
    EXPECT_FALSE(cellData(w, 1, 1, Qt::BackgroundRole).isValid());
    EXPECT_TRUE(cellData(w, 1, 2, Qt::BackgroundRole).isValid());

    desktop.messages.clear();
    desktop.textAnswers = {QStringLiteral("1 5 10")};
    act(w, "actCheckDraw")->trigger();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("开奖号码“10”不在0到9之间！")});
    // A selection removes the check.
    pick(w.comcainame, QStringLiteral("福彩3D"));
    EXPECT_FALSE(w.resultGrid().hasDraw());
}

TEST_F(ExtrasTest, UndoBringsBackTheGridAfterEachReplacement)
{
    Tfrmmain &w = openWithBets();
    convert(w, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                QStringLiteral("5"), QStringLiteral("6")});
    convert(w, {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"),
                QStringLiteral("11"), QStringLiteral("12")});
    const std::string first = std::string(w.resultGrid().grid().cell(1, 1));
    ASSERT_EQ(w.resultGrid().grid().rowCount(), 3);

    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    ASSERT_EQ(w.resultGrid().grid().rowCount(), 2);
    act(w, "actUndo")->trigger();
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);
    EXPECT_EQ(w.resultGrid().grid().cell(1, 1), first);
    EXPECT_FALSE(cellData(w, 1, 1, Qt::ToolTipRole).toString().isEmpty()); // provenance came back

    pick(w.comcainame, QStringLiteral("双色球"));
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
    w.show();
    QApplication::setActiveWindow(&w);
    w.grdcode->setFocus();
    QTest::keyClick(w.grdcode, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);

    const QString file = dir.file(QStringLiteral("附属/x.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("01 02 03 04 05 06 \r\n");
    out.close();
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
    act(w, "actUndo")->trigger();
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);
    EXPECT_EQ(w.resultGrid().grid().cell(1, 1), first);
    // Nothing more to undo changes nothing.
    act(w, "actUndo")->trigger();
    act(w, "actUndo")->trigger();
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);
}

TEST_F(ExtrasTest, RowsKnowHowTheyWereMadeAndRepeatsAreFlagged)
{
    Tfrmmain &w = openWithBets();
    pick(w.commode, QStringLiteral("太极图阳邻修正"));
    const QStringList entries{QStringLiteral("3"),  QStringLiteral("7"),  QStringLiteral("12"),
                              QStringLiteral("19"), QStringLiteral("25"), QStringLiteral("31")};
    convert(w, entries);
    convert(w, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                QStringLiteral("5"), QStringLiteral("6")});
    convert(w, entries);
    EXPECT_EQ(cellData(w, 1, 1, Qt::ToolTipRole).toString(),
              QStringLiteral("太极图阳邻修正：2024-05-17 08时，先天八卦，东，原始号码 3 7 12 19 25 31"));
    EXPECT_EQ(w.resultGrid().repeatOf(3), 1);
    EXPECT_EQ(w.resultGrid().repeatOf(2), 0);
    EXPECT_TRUE(cellData(w, 3, 2, Qt::ToolTipRole).toString().contains(QStringLiteral("与第1注相同")));
    EXPECT_TRUE(cellData(w, 3, 2, Qt::BackgroundRole).isValid());
    EXPECT_FALSE(cellData(w, 1, 2, Qt::BackgroundRole).isValid());

    // Rows from a file carry no provenance.
    const QString file = dir.file(QStringLiteral("附属/y.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("01 02 03 04 05 06 \r\n01 02 03 04 05 06 \r\n");
    out.close();
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_FALSE(cellData(w, 1, 1, Qt::ToolTipRole).isValid());
    EXPECT_EQ(cellData(w, 2, 1, Qt::ToolTipRole).toString(), QStringLiteral("与第1注相同"));
}

TEST_F(ExtrasTest, CopyPutsTheSelectedRowsOnTheClipboard)
{
    Tfrmmain &w = openWithBets(QStringLiteral("福彩3D"));
    for (const char *numbers : {"123", "456", "789"})
        convert(w, {QString(QLatin1Char(numbers[0])), QString(QLatin1Char(numbers[1])),
                    QString(QLatin1Char(numbers[2]))});
    QItemSelectionModel *selection = w.grdcode->selectionModel();
    selection->select(w.resultGrid().index(0, 1), QItemSelectionModel::Select);
    selection->select(w.resultGrid().index(2, 0), QItemSelectionModel::Select);
    act(w, "actCopy")->trigger();
    const ResultGrid &grid = w.resultGrid().grid();
    const QString expected = QStringLiteral("%1 %2 %3\n%4 %5 %6\n")
                                 .arg(QString::fromStdString(std::string(grid.cell(1, 1))),
                                      QString::fromStdString(std::string(grid.cell(2, 1))),
                                      QString::fromStdString(std::string(grid.cell(3, 1))),
                                      QString::fromStdString(std::string(grid.cell(1, 3))),
                                      QString::fromStdString(std::string(grid.cell(2, 3))),
                                      QString::fromStdString(std::string(grid.cell(3, 3))));
    EXPECT_EQ(desktop.clipboard, expected);
}

TEST_F(ExtrasTest, FastEntryMovesOnAndEnterConverts)
{
    Tfrmmain &w = openWithBets(); // 33: two digits a box
    w.show();
    QApplication::setActiveWindow(&w);
    const auto boxes = visibleBoxes();
    boxes[0]->setFocus();
    QTest::keyClicks(boxes[0], QStringLiteral("3"));
    EXPECT_TRUE(boxes[0]->hasFocus());
    QTest::keyClicks(boxes[0], QStringLiteral("1"));
    EXPECT_TRUE(boxes[1]->hasFocus());
    // A Tab out of habit right after the move does not skip a box.
    QTest::keyClick(boxes[1], Qt::Key_Tab);
    EXPECT_TRUE(boxes[1]->hasFocus());
    for (size_t i = 1; i + 1 < boxes.size(); ++i)
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0") + QString::number(i));
    EXPECT_TRUE(boxes.back()->hasFocus());
    EXPECT_EQ(boxes[4]->text(), QStringLiteral("04"));
    // Nor does an Enter that ends the number before the last box convert
    // from the last box before its number is typed.
    desktop.messages.clear();
    QTest::keyClick(boxes.back(), Qt::Key_Return);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(w.resultGrid().grid().hasBets());
    QTest::keyClicks(boxes.back(), QStringLiteral("05"));
    QTest::keyClick(boxes.back(), Qt::Key_Return);
    EXPECT_EQ(w.resultGrid().grid().cell(0, 1), "1");
    // Into a last box that keeps its number, the Enter converts at once.
    boxes[4]->clear();
    boxes[4]->setFocus();
    QTest::keyClicks(boxes[4], QStringLiteral("06"));
    ASSERT_TRUE(boxes.back()->hasFocus());
    QTest::keyClick(boxes.back(), Qt::Key_Return);
    EXPECT_EQ(w.resultGrid().grid().cell(0, 2), "2");
    // The boxes select their text on focus, and Tab order is unchanged.
    boxes[2]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(boxes[2]->selectedText(), QStringLiteral("02"));
    EXPECT_EQ(boxes[0]->nextInFocusChain(), boxes[1]);
    // Keys typed before the focus's selection comes round are kept: fast
    // typing loses no digit.
    boxes[3]->clear();
    boxes[3]->setFocus();
    QTest::keyClicks(boxes[3], QStringLiteral("1"));
    QApplication::processEvents();
    QTest::keyClicks(boxes[3], QStringLiteral("2"));
    EXPECT_EQ(boxes[3]->text(), QStringLiteral("12"));

    pick(w.comcainame, QStringLiteral("福彩3D")); // digits: one a box
    const auto digits = visibleBoxes();
    digits[0]->setFocus();
    QTest::keyClicks(digits[0], QStringLiteral("7"));
    EXPECT_TRUE(digits[1]->hasFocus());
}

#include "main_window_fixture.h"

#include "results/result_grid_model.h"
#include "views/result_grid_view.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>

namespace {

QString gridRow(const Tfrmmain &w, int row)
{
    const ResultGrid &grid = w.resultGrid().grid();
    QStringList cells;
    for (int column = 0; column < grid.columnCount(); ++column)
        cells << QString::fromStdString(std::string(grid.cell(column, row)));
    return cells.join(u' ');
}

} // namespace

class ConversionWindowTest : public MainWindowTest
{
protected:
    // The worked examples are single pools: 双色球 33/6 without its blue ball.
    void SetUp() override { dir.writeSinglePoolCatalogue(); }

    Tfrmmain &openOn2024()
    {
        clock.date = QDate(2025, 5, 17); // the year list defaults to 2024
        clock.time = QTime(8, 0);
        return open();
    }

    void typeBoxes(const QStringList &numbers)
    {
        const auto boxes = visibleBoxes();
        ASSERT_EQ(boxes.size(), static_cast<size_t>(numbers.size()));
        for (size_t i = 0; i < boxes.size(); ++i) {
            boxes[i]->clear();
            QTest::keyClicks(boxes[i], numbers[static_cast<qsizetype>(i)]);
        }
    }
};

TEST_F(ConversionWindowTest, ConvertingAppendsNumberedRows)
{
    Tfrmmain &w = openOn2024();
    ASSERT_EQ(w.comnian->currentText(), QStringLiteral("2024"));
    typeBoxes({QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("12"), QStringLiteral("19"),
               QStringLiteral("25"), QStringLiteral("31")});
    pick(w.commode, QStringLiteral("太极图阳邻修正"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(gridRow(w, 0), QStringLiteral("序号 号码1 号码2 号码3 号码4 号码5 号码6"));
    EXPECT_EQ(gridRow(w, 1), QStringLiteral("1 02 03 04 16 31 32"));
    EXPECT_EQ(w.resultGrid().rowCount(), 1);

    w.comxianhou->setCurrentIndex(1);
    w.comfangwei->setCurrentIndex(w.comfangwei->findText(QStringLiteral("西北")));
    w.comyingyang->setCurrentIndex(1); // never read
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(gridRow(w, 2), QStringLiteral("2 04 08 20 23 30 32"));
    EXPECT_EQ(w.resultGrid().rowCount(), 2);
    EXPECT_EQ(w.resultGrid().headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("2"));
    EXPECT_EQ(w.resultGrid().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("号码1"));
    // The entries are left as they were.
    EXPECT_EQ(visibleBoxes()[0]->text(), QStringLiteral("3"));
}

TEST_F(ConversionWindowTest, DigitLotteryKeepsBoxOrderAndColumnsShareTheWidth)
{
    dir.writeCatalogue(
        {{QStringLiteral("七星彩"), QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("7")}});
    Tfrmmain &w = openOn2024();
    typeBoxes({QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("0"),
               QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("4")});
    pick(w.commode, QStringLiteral("洛书阳邻修正"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(gridRow(w, 1).left(8), QStringLiteral("1 9 5 1 "));
    EXPECT_EQ(w.grdcode->horizontalHeader()->defaultSectionSize(), 52);
    EXPECT_EQ(w.grdcode->verticalHeader()->width(), 52);
}

TEST_F(ConversionWindowTest, RefusalShowsOneMessageAndChangesNothing)
{
    Tfrmmain &w = openOn2024();
    typeBoxes({QStringLiteral("5"), QString(), QStringLiteral("40"), QStringLiteral("1"), QStringLiteral("2"),
               QStringLiteral("3")});
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("请输入原始号码！"));
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Plain);
    EXPECT_TRUE(w.resultGrid().grid().cell(0, 1).empty());

    visibleBoxes()[1]->setText(QStringLiteral("x"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[1].text, QStringLiteral("'x' 不是一个有效的整形值."));
    EXPECT_EQ(desktop.messages[1].kind, MessageKind::Error);

    visibleBoxes()[1]->setText(QStringLiteral("6"));
    w.commode->setEditText(QStringLiteral("随便修正"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(desktop.messages.back().text, QStringLiteral("请选择修正方法！"));
    EXPECT_TRUE(w.resultGrid().grid().cell(0, 1).empty());
}

TEST_F(ConversionWindowTest, ClearAndSelectionEmptyTheGrid)
{
    Tfrmmain &w = openOn2024();
    typeBoxes({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
               QStringLiteral("5"), QStringLiteral("6")});
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 4);
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
    EXPECT_EQ(w.resultGrid().grid().columnCount(), 5);
    EXPECT_EQ(gridRow(w, 0), QStringLiteral("    "));

    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(gridRow(w, 1).left(2), QStringLiteral("1 "));
    // A re-run of the start-up keeps the grid; a selection clears it,
    // also of the lottery already current.
    w.FormCreate();
    EXPECT_EQ(w.resultGrid().grid().cell(0, 1), "1");
    pick(w.comcainame, QStringLiteral("双色球"));
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
    EXPECT_TRUE(w.resultGrid().grid().cell(0, 1).empty());
}

TEST_F(ConversionWindowTest, GeneralizedMethodReadsTheInitialNumber)
{
    Tfrmmain &w = openOn2024();
    pick(w.commode, QStringLiteral("广义阴阳五行修正"));
    typeBoxes({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("4"),
               QStringLiteral("2"), QStringLiteral("6")});
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请输入初始号码！")});
    QTest::keyClicks(w.edtoricode, QStringLiteral("8"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(gridRow(w, 1), QStringLiteral("1 02 04 16 17 22 24"));
}

TEST_F(ConversionWindowTest, WithoutALotteryConversionIsRefusedPolitely)
{
    dir.writeCatalogue({});
    Tfrmmain &w = open();
    desktop.messages.clear();
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请先选择彩票！")});
}

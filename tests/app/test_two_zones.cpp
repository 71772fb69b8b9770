// The shipped 双色球 and 大乐透 with their back zones, as a player meets them.
#include "main_window_fixture.h"

#include "app/box_geometry.h"
#include "results/result_grid_model.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TwoZoneWindowTest : public MainWindowTest
{
protected:
    Tfrmmain &openOn2024()
    {
        clock.date = QDate(2025, 5, 17); // the year list defaults to 2024
        clock.time = QTime(8, 0);
        return open();
    }
    void convert(Tfrmmain &w, const QStringList &numbers)
    {
        const auto boxes = visibleBoxes();
        ASSERT_EQ(boxes.size(), static_cast<size_t>(numbers.size()));
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(numbers[static_cast<qsizetype>(i)]);
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
    }
    static bool tinted(const QLineEdit *box)
    {
        return box->palette().color(QPalette::Base) != QLineEdit().palette().color(QPalette::Base);
    }
    QAction *act(Tfrmmain &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }

    const QStringList kEntries{QStringLiteral("3"),  QStringLiteral("7"),  QStringLiteral("12"),
                               QStringLiteral("19"), QStringLiteral("25"), QStringLiteral("31"),
                               QStringLiteral("7")};
};

TEST_F(TwoZoneWindowTest, BoxesAndCaptionsShowBothZones)
{
    Tfrmmain &w = openOn2024(); // 双色球
    auto boxes = visibleBoxes();
    ASSERT_EQ(boxes.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(boxes[static_cast<size_t>(i)]->geometry(), boxGeometry(i, 7, 441, 42)) << i;
        EXPECT_EQ(tinted(boxes[static_cast<size_t>(i)]), i == 6) << i;
    }
    EXPECT_EQ(boxes[6]->toolTip(), QStringLiteral("蓝球"));
    EXPECT_EQ(w.grpcode->title(),
              QStringLiteral("原始号码：请输入6个1--33范围内数字（不重复）＋蓝球1个1--16"));
    pick(w.commode, QStringLiteral("广义阴阳五行修正"));
    EXPECT_EQ(w.grpcode->title(),
              QStringLiteral("控制量数：请输入6个1--6范围内数字（可以重复）＋蓝球1个1--16"));

    pick(w.comcainame, QStringLiteral("大乐透"));
    boxes = visibleBoxes();
    ASSERT_EQ(boxes.size(), 7u);
    EXPECT_FALSE(tinted(boxes[4]));
    EXPECT_TRUE(tinted(boxes[5]) && tinted(boxes[6]));
    EXPECT_EQ(w.edtcaisum->text(), QStringLiteral("35+12"));
    EXPECT_EQ(w.edtcaisel->text(), QStringLiteral("5+2"));
    EXPECT_EQ(w.grpcode->title(),
              QStringLiteral("原始号码：请输入5个1--35范围内数字（不重复）＋后区2个1--12（不重复）"));

    // A single pool shows as it always has.
    pick(w.comcainame, QStringLiteral("福彩3D"));
    boxes = visibleBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_FALSE(tinted(boxes[0]) || tinted(boxes[2]));
    EXPECT_EQ(w.edtcaisum->text(), QStringLiteral("10"));
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入3个0--9范围内数字（可以重复）"));
}

TEST_F(TwoZoneWindowTest, ConversionAppendsBothZonesUnderTheirHeadings)
{
    Tfrmmain &w = openOn2024();
    pick(w.commode, QStringLiteral("太极图阳邻修正"));
    QStringList entries = kEntries;
    entries[6].clear();
    convert(w, entries);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请输入蓝球号码！")});
    EXPECT_FALSE(w.resultGrid().grid().hasBets());

    convert(w, kEntries);
    EXPECT_EQ(cells(w, 0), "序号 号码1 号码2 号码3 号码4 号码5 号码6 蓝球");
    EXPECT_EQ(cells(w, 1), "1 02 03 04 16 31 32 02");
    EXPECT_EQ(w.grdcode->horizontalHeader()->defaultSectionSize(), (441 - 20) / 8);
    const QString tooltip = w.resultGrid().data(w.resultGrid().index(0, 6), Qt::ToolTipRole).toString();
    EXPECT_TRUE(tooltip.contains(QStringLiteral("原始号码 3 7 12 19 25 31，蓝球 7")))
        << tooltip.toStdString();
    convert(w, kEntries);
    EXPECT_TRUE(w.resultGrid()
                    .data(w.resultGrid().index(1, 6), Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("与第1注相同")));

    pick(w.comcainame, QStringLiteral("大乐透"));
    convert(w, {QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("12"), QStringLiteral("19"),
                QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("11")});
    EXPECT_EQ(cells(w, 0), "序号 号码1 号码2 号码3 号码4 号码5 后区1 后区2");
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
}

TEST_F(TwoZoneWindowTest, SavedBetsLoadBackWithTheirBlueBall)
{
    Tfrmmain &w = openOn2024();
    pick(w.commode, QStringLiteral("太极图阳邻修正"));
    convert(w, kEntries);
    QStringList second = kEntries;
    second[6] = QStringLiteral("16");
    convert(w, second);
    const std::string first = cells(w, 1);
    const std::string next = cells(w, 2);

    const QString file = dir.file(QStringLiteral("附属/双色球.txt"));
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    const QByteArray saved = readAll(file);
    // Every number of a row, the blue ball last, each followed by a space.
    EXPECT_EQ(saved.left(23), QByteArray("02 03 04 16 31 32 02 \r\n"));
    EXPECT_EQ(saved.count("\r\n"), 2);

    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    desktop.messages.clear();
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(cells(w, 0), "序号 号码1 号码2 号码3 号码4 号码5 号码6 蓝球");
    EXPECT_EQ(cells(w, 1), first);
    EXPECT_EQ(cells(w, 2), next);

    // A file of six numbers a row is no file of 双色球 bets.
    QFile single(file);
    ASSERT_TRUE(single.open(QIODevice::WriteOnly | QIODevice::Truncate));
    single.write("01 02 03 04 05 06 \r\n");
    single.close();
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(
        desktop.messageTexts(),
        QStringList{QStringLiteral("第1行有6个号码，当前彩票每注是7个号码。请先选择与文件相符的彩票。")});
    EXPECT_EQ(cells(w, 1), first);
}

TEST_F(TwoZoneWindowTest, DrawCheckAndCopyKeepTheZonesApart)
{
    Tfrmmain &w = openOn2024();
    pick(w.commode, QStringLiteral("太极图阳邻修正"));
    convert(w, kEntries); // 02 03 04 16 31 32 + 02
    desktop.textAnswers = {QStringLiteral("02 05 09 16 20 33 + 02")};
    act(w, "actCheckDraw")->trigger();
    EXPECT_EQ(
        desktop.askedLabels,
        QStringList{QStringLiteral("请输入双色球的期号（可省略）、6个红球号码和1个蓝球号码（用“+”隔开）：")});
    const ResultGridModel &grid = w.resultGrid();
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(grid.data(grid.index(0, column), Qt::BackgroundRole).isValid(),
                  column == 0 || column == 3 || column == 6)
            << column;
    EXPECT_TRUE(grid.data(grid.index(0, 0), Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("命中2个号码，蓝球命中1个")));
    // The front's 02 does not hit a blue ball of 03.
    desktop.textAnswers = {QStringLiteral("01 02 09 17 20 33 + 03")};
    act(w, "actCheckDraw")->trigger();
    EXPECT_TRUE(grid.data(grid.index(0, 0), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(grid.data(grid.index(0, 6), Qt::BackgroundRole).isValid());

    w.grdcode->selectionModel()->select(grid.index(0, 2), QItemSelectionModel::Select);
    act(w, "actCopy")->trigger();
    EXPECT_EQ(desktop.clipboard, QStringLiteral("02 03 04 16 31 32 + 02\n"));
}

TEST_F(TwoZoneWindowTest, FastEntryCountsTheBackZonesDigits)
{
    Tfrmmain &w = openOn2024();
    pick(w.comcainame, QStringLiteral("大乐透"));
    pick(w.commode, QStringLiteral("广义阴阳五行修正")); // control quantities up to 5: one digit
    w.show();
    QApplication::setActiveWindow(&w);
    const auto boxes = visibleBoxes();
    boxes[4]->setFocus();
    QTest::keyClicks(boxes[4], QStringLiteral("3"));
    ASSERT_TRUE(boxes[5]->hasFocus());
    // The back boxes hold numbers up to 12 whatever the method: two digits.
    QTest::keyClicks(boxes[5], QStringLiteral("1"));
    EXPECT_TRUE(boxes[5]->hasFocus());
    QTest::keyClicks(boxes[5], QStringLiteral("1"));
    EXPECT_TRUE(boxes[6]->hasFocus());
}

// Undo across a selection brings back the lottery with its zones: the blue
// ball's box, column and caption come back with the 双色球 bets, and the
// next conversion adds a whole bet of seven below them.
TEST_F(TwoZoneWindowTest, UndoAcrossASelectionBringsBackTheBackZone)
{
    Tfrmmain &w = openOn2024();
    pick(w.commode, QStringLiteral("太极图阳邻修正"));
    convert(w, kEntries);
    convert(w, kEntries);
    const std::string bet = cells(w, 1);

    pick(w.comcainame, QStringLiteral("福彩3D"));
    convert(w, {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("9")});
    EXPECT_EQ(cells(w, 0), "序号 号码1 号码2 号码3");
    pick(w.comcainame, QStringLiteral("双色球"));
    act(w, "actUndo")->trigger(); // back to 福彩3D and its bet
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("福彩3D"), {Digit, 10, 3}}));
    EXPECT_EQ(visibleBoxes().size(), 3u);
    EXPECT_EQ(cells(w, 1).substr(0, 2), "1 ");

    act(w, "actUndo")->trigger(); // back to 双色球 and its two bets
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
    EXPECT_EQ(w.currentLottery().lottery.numberCount(), 7);
    const auto boxes = visibleBoxes();
    ASSERT_EQ(boxes.size(), 7u);
    EXPECT_TRUE(tinted(boxes[6]));
    EXPECT_EQ(w.grpcode->title(),
              QStringLiteral("原始号码：请输入6个1--33范围内数字（不重复）＋蓝球1个1--16"));
    EXPECT_EQ(cells(w, 0), "序号 号码1 号码2 号码3 号码4 号码5 号码6 蓝球");
    EXPECT_EQ(cells(w, 2), "2" + bet.substr(1));

    pick(w.commode, QStringLiteral("太极图阳邻修正")); // the lottery came back as a selection shows it
    convert(w, kEntries);
    EXPECT_EQ(cells(w, 3), "3" + bet.substr(1));
    const QString file = dir.file(QStringLiteral("附属/撤销.txt"));
    desktop.fileAnswers.push_back(file);
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    EXPECT_EQ(readAll(file).count("02 03 04 16 31 32 02 \r\n"), 3);
}

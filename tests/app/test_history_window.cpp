// The history window as a player uses it: draws imported, typed, deleted
// and exported; the trend chart and the statistics of a small history.
#include "main_window_fixture.h"

#include "../support/pdf_pages.h"
#include "app/history/history_window.h"
#include "base/gbk.h"
#include "views/frequency_bars.h"
#include "views/trend_model.h"
#include "views/trend_paint.h"
#include "views/trend_picture.h"
#include "views/trend_view.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

class HistoryWindowTest : public MainWindowTest
{
protected:
    HistoryWindow &openHistory()
    {
        if (!window)
            open();
        QTest::mouseClick(window->btnhistory, Qt::LeftButton);
        return *window->historyWindow();
    }
    QString writeFile(const QString &name, const std::string &bytes)
    {
        QString path = dir.file(QStringLiteral("附属/") + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    void import(HistoryWindow &h, const QString &file)
    {
        desktop.fileAnswers.push_back(file);
        QTest::mouseClick(h.importButton, Qt::LeftButton);
    }
    static QString cell(const QAbstractItemModel *model, int row, int column, int role = Qt::DisplayRole)
    {
        return model->data(model->index(row, column), role).toString();
    }
    static QStringList issues(const HistoryWindow &h)
    {
        QStringList result;
        for (int row = 0; row < h.drawTable->model()->rowCount(); ++row)
            result << cell(h.drawTable->model(), row, 0);
        return result;
    }
};

TEST_F(HistoryWindowTest, ImportListsDrawsNewestFirstAndNamesTheLinesItLeftOut)
{
    Tfrmmain &w = open();
    // The free top row of the group; the designed buttons keep their places.
    EXPECT_EQ(w.btnhistory->parentWidget(), w.GroupBox2);
    EXPECT_EQ(w.btnhistory->geometry(), QRect(14, 16, 75, 25));
    EXPECT_EQ(w.btnhelp->geometry(), QRect(14, 46, 75, 25));

    HistoryWindow &h = openHistory();
    EXPECT_TRUE(h.isVisible());
    EXPECT_EQ(h.windowTitle(), QStringLiteral("开奖历史 - 双色球"));
    EXPECT_EQ(h.drawCountLabel->text(), QStringLiteral("双色球：共0期开奖号码"));

    const QString file
        = writeFile(QStringLiteral("双色球.txt"), utf8ToGbk("期号 开奖日期 开奖号码\r\n"
                                                            "2026001 2026-01-01 01 02 03 04 05 06 + 07\r\n"
                                                            "2026002\t07,08,09,10,11,12\t16\r\n"
                                                            "2026x 01 02\r\n"
                                                            "2026001 2026-01-01 01 02 03 04 05 07 + 07\r\n"));
    import(h, file);
    EXPECT_EQ(desktop.dialogs.back().title, QStringLiteral("导入开奖号码"));
    EXPECT_EQ(desktop.dialogs.back().filter, QStringLiteral("文本文件(*.txt)|*.txt|所有文件(*.*)|*.*"));
    EXPECT_EQ(desktop.dialogs.back().initialFolder, dir.file(QStringLiteral("附属/")));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages.back().text,
              QStringLiteral("导入2期。\n第1行是表头，未导入。\n2行未导入，原因见详细信息。"));
    const QString details = desktop.messages.back().details;
    EXPECT_TRUE(details.startsWith(QStringLiteral("第4行：期号“2026x”"))) << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("\n第5行："))) << details.toStdString();
    EXPECT_EQ(issues(h), (QStringList{QStringLiteral("2026002"), QStringLiteral("2026001")}));
    EXPECT_EQ(cell(h.drawTable->model(), 1, 1), QStringLiteral("2026-01-01"));
    EXPECT_EQ(cell(h.drawTable->model(), 0, 2), QStringLiteral("07 08 09 10 11 12 + 16"));
    EXPECT_EQ(h.drawCountLabel->text(), QStringLiteral("双色球：共2期开奖号码"));

    // The same file again changes nothing and says so.
    import(h, file);
    EXPECT_TRUE(
        desktop.messages.back().text.startsWith(QStringLiteral("导入0期，跳过2期（已有相同号码）。")));
    EXPECT_EQ(issues(h).size(), 2);

    // The draws belong to their lottery: 福彩3D has none.
    pick(w.comcainame, QStringLiteral("福彩3D"));
    openHistory();
    EXPECT_EQ(h.windowTitle(), QStringLiteral("开奖历史 - 福彩3D"));
    EXPECT_TRUE(issues(h).isEmpty());
}

// The 双色球 history most players download: CSV, the numbers quoted in one
// cell, a weekday after the date. Every line left out is listed.
TEST_F(HistoryWindowTest, ImportsTheDownloadedCsvAndListsEveryLineLeftOut)
{
    QByteArray csv = "\xEF\xBB\xBF期号,开奖日期,红球,蓝球\r\n";
    for (int i = 1; i <= 40; ++i)
        csv += QStringLiteral("20260%1,2026-01-15(四),\"09,13,19,27,29,30\",%2\r\n")
                   .arg(i, 2, 10, QLatin1Char('0'))
                   .arg(i % 16 + 1, 2, 10, QLatin1Char('0'))
                   .toUtf8();
    for (int i = 41; i <= 52; ++i)
        csv += QStringLiteral("20260%1,2026-01-15(四),\"09,13,19,27,29,34\",01\r\n").arg(i).toUtf8();
    const QString file = writeFile(QStringLiteral("ssq.csv"), csv.toStdString());
    HistoryWindow &h = openHistory();
    import(h, file);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text,
              QStringLiteral("导入40期。\n第1行是表头，未导入。\n12行未导入，原因见详细信息。"));
    const QStringList lines = desktop.messages[0].details.split(u'\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.front(), QStringLiteral("第42行：红球号码“34”不在1到33之间"));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("第53行："))) << lines.back().toStdString();
    EXPECT_EQ(issues(h).size(), 40);
    EXPECT_EQ(cell(h.drawTable->model(), 39, 2), QStringLiteral("09 13 19 27 29 30 + 02"));
}

TEST_F(HistoryWindowTest, TypedDrawsAreAddedDeletedOnlyWhenConfirmedAndExported)
{
    HistoryWindow &h = openHistory();
    desktop.textAnswers
        = {QStringLiteral("2026003 2026-01-05 13 11 09 07 05 03 | 01"), QStringLiteral("2026004 01 02 03"),
           QStringLiteral("2026003 01 02 03 04 05 06 + 01"),
           QStringLiteral("2026004 2026-01-07 21 22 23 24 25 26 + 16")};
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(h.addDrawButton, Qt::LeftButton);
    EXPECT_EQ(desktop.askedTitles.front(), QStringLiteral("添加开奖号码"));
    // A refused line comes back to be corrected; each new one proposes the next 期号.
    EXPECT_EQ(desktop.askedTexts.mid(0, 4),
              (QStringList{QString(), QStringLiteral("2026004 "), QStringLiteral("2026004 01 02 03"),
                           QStringLiteral("2026003 01 02 03 04 05 06 + 01")}));
    EXPECT_EQ(desktop.messageTexts(),
              (QStringList{QStringLiteral("开奖号码有误：应有7个号码（红球6个，蓝球1个），读到3个！"),
                           QStringLiteral("期号2026003已经存在，未添加。")}));
    EXPECT_EQ(issues(h), (QStringList{QStringLiteral("2026004"), QStringLiteral("2026003")}));
    EXPECT_EQ(cell(h.drawTable->model(), 1, 2), QStringLiteral("03 05 07 09 11 13 + 01"));

    // Nothing selected: told so; cancelled: kept; confirmed: gone.
    desktop.messages.clear();
    QTest::mouseClick(h.deleteButton, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请先选择要删除的开奖号码。")});
    h.drawTable->selectRow(1);
    QTest::mouseClick(h.deleteButton, Qt::LeftButton);
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, QStringLiteral("删除第2026003期开奖号码？"));
    EXPECT_EQ(desktop.questions[0].buttons,
              (QStringList{QStringLiteral("删除"), QString(), QStringLiteral("取消")}));
    EXPECT_EQ(issues(h).size(), 2);
    desktop.answers = {Desktop::Answer::Yes};
    h.drawTable->selectRow(1);
    QTest::mouseClick(h.deleteButton, Qt::LeftButton);
    EXPECT_EQ(issues(h), QStringList{QStringLiteral("2026004")});

    const QString target = dir.file(QStringLiteral("附属/导出.txt"));
    desktop.fileAnswers.push_back(target);
    QTest::mouseClick(h.exportButton, Qt::LeftButton);
    EXPECT_EQ(desktop.dialogs.back().suggestedName, QStringLiteral("双色球开奖号码.txt"));
    EXPECT_EQ(desktop.messageTexts().back(), QStringLiteral("成功导出1期开奖号码！"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(gbkToUtf8(file.readAll().toStdString()),
              "期号 开奖日期 开奖号码\r\n2026004 2026-01-07 21 22 23 24 25 26 + 16\r\n");
}

// The history of the chart's pure tests, numbers 1 to 5, two a draw:
//   draw:  1    2    3    4    5    6
//   holds: 1 2  1 3  4 5  1 5  2 3  1 2
TEST_F(HistoryWindowTest, ChartOfASmallHistoryShowsBallsMissesTheRowsUnderAndTheBets)
{
    dir.writeCatalogue(
        {{QStringLiteral("五选二"), QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("2")}});
    HistoryWindow &h = openHistory();
    import(h, writeFile(QStringLiteral("五选二.txt"), "1 1 2\n2 1 3\n3 4 5\n4 1 5\n5 2 3\n6 1 2\n"));
    const TrendModel &chart = h.trend();
    ASSERT_EQ(chart.rowCount(), 6 + 5);
    ASSERT_EQ(chart.columnCount(), 5 + 4);

    QStringList three; // the column of 03
    for (int row = 0; row < 6; ++row)
        three << cell(&chart, row, 2);
    EXPECT_EQ(three, (QStringList{QStringLiteral("1"), QStringLiteral("03"), QStringLiteral("1"),
                                  QStringLiteral("2"), QStringLiteral("03"), QStringLiteral("1")}));
    EXPECT_EQ(chart.index(1, 2).data(TrendModel::MarkRole).toInt(), TrendModel::FrontBall);
    EXPECT_EQ(chart.index(0, 2).data(TrendModel::MarkRole).toInt(), TrendModel::NoMark);
    EXPECT_EQ(chart.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("和值"));
    EXPECT_EQ(chart.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("1"));
    // 和值, 跨度, 奇偶比, 大小比 of 4 5; then 出现次数 … 最大连出 of 01 and of 04.
    EXPECT_EQ((QStringList{cell(&chart, 2, 5), cell(&chart, 2, 6), cell(&chart, 2, 7), cell(&chart, 2, 8)}),
              (QStringList{QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1:1"),
                           QStringLiteral("2:0")}));
    EXPECT_EQ(chart.headerData(6, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("出现次数"));
    EXPECT_EQ(chart.headerData(7, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("当前遗漏"));
    const auto statsOf = [&](int column) {
        QStringList values;
        for (int row = 6; row < 11; ++row)
            values << cell(&chart, row, column);
        return values.join(QLatin1Char(' '));
    };
    EXPECT_EQ(statsOf(0), QStringLiteral("4 0 0 1 2"));
    EXPECT_EQ(statsOf(3), QStringLiteral("1 3 2 3 1"));
    // The chart says how the 遗漏 rows are counted.
    EXPECT_TRUE(
        chart.headerData(9, Qt::Vertical, Qt::ToolTipRole).toString().contains(QStringLiteral("之前")));
    EXPECT_TRUE(h.trendNoteLabel->text().contains(QStringLiteral("（出现次数 + 1）")));

    // The player's bets as the last row: how many hold each number.
    QTest::mouseClick(h.tabs->tabBar(), Qt::LeftButton, {}, h.tabs->tabBar()->tabRect(1).center());
    ASSERT_EQ(h.tabs->currentIndex(), 1);
    desktop.fileAnswers.push_back(writeFile(QStringLiteral("投注.txt"), "01 02 \r\n02 05 \r\n"));
    QTest::mouseClick(window->btnload, Qt::LeftButton);
    QTest::mouseClick(h.showBetsCheck, Qt::LeftButton);
    ASSERT_EQ(chart.rowCount(), 12);
    EXPECT_EQ(chart.headerData(11, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("当前投注"));
    EXPECT_EQ(chart.index(11, 1).data(TrendModel::MarkRole).toInt(), TrendModel::BetBall);
    EXPECT_EQ(cell(&chart, 11, 1, Qt::ToolTipRole), QStringLiteral("2注含02"));
    EXPECT_EQ(chart.index(11, 2).data(TrendModel::MarkRole).toInt(), TrendModel::NoMark);

    // A picture of the whole chart, and paper.
    const QString picture = dir.file(QStringLiteral("附属/走势图.png"));
    desktop.fileAnswers.push_back(picture);
    QTest::mouseClick(h.savePictureButton, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts().back(), QStringLiteral("成功保存！"));
    EXPECT_EQ(QImage(picture).size(), trendPictureSize(chart, 12));
    const QString paper = dir.file(QStringLiteral("附属/走势图.pdf"));
    desktop.printTargets.push_back(paper);
    QTest::mouseClick(h.printChartButton, Qt::LeftButton);
    EXPECT_EQ(pdfPages(paper), 1);

    // 统计: over all six draws (fewer than the fifty asked for).
    // Counts 4 3 2 1 2: three each way would name 03 and 05 both; they are neither.
    EXPECT_EQ(h.hotLabel->text(), QStringLiteral("全部6期热号（出现最多）：01 02"));
    EXPECT_EQ(h.coldLabel->text(), QStringLiteral("全部6期冷号（出现最少）：04"));
    std::vector<int> counts;
    for (const FrequencyBars::Bar &bar : h.frequencyBars->bars())
        counts.push_back(bar.count);
    EXPECT_EQ(counts, (std::vector<int>{4, 3, 2, 1, 2}));
    EXPECT_EQ(h.frequencyBars->bars()[3].heat, FrequencyBars::Cold);
    EXPECT_EQ(h.frequencyBars->bars()[2].heat, FrequencyBars::Plain);

    // 统计 counts over its own span, not the chart's.
    import(h, writeFile(QStringLiteral("更多.txt"), [] {
               std::string lines;
    for (int issue = 7; issue <= 40; ++issue)
        lines += std::to_string(issue) + " 3 4\n";
    return lines;
}()));
h.rangeList->setCurrentIndex(2);
emit h.rangeList->activated(2);          // 最近100期: all 40
EXPECT_EQ(chart.rowCount(), 40 + 5 + 1); // and the bets
h.recentList->setCurrentIndex(0);
emit h.recentList->activated(0); // 最近30期
EXPECT_TRUE(h.hotLabel->text().startsWith(QStringLiteral("最近30期热号（出现最多）：03 04")))
    << h.hotLabel->text().toStdString();
}

TEST_F(HistoryWindowTest, AnOpenHistoryFollowsTheLotteryThePlayerSwitchesTo)
{
    dir.writeCatalogue(
        {{QStringLiteral("五选二"), QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("2")},
         {QStringLiteral("六选三"), QStringLiteral("0"), QStringLiteral("6"), QStringLiteral("3")},
         {QStringLiteral("十选二"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("2")}});
    HistoryWindow &h = openHistory();
    import(h, writeFile(QStringLiteral("五选二.txt"), "1 1 2\n2 1 3\n"));
    EXPECT_EQ(h.windowTitle(), QStringLiteral("开奖历史 - 五选二"));

    pick(window->comcainame, QStringLiteral("六选三"));
    EXPECT_EQ(h.windowTitle(), QStringLiteral("开奖历史 - 六选三"));
    EXPECT_EQ(h.drawCountLabel->text(), QStringLiteral("六选三：共0期开奖号码"));
    EXPECT_EQ(h.trend().columnCount(), 6 + 4);
    // The columns of a chart of another size each get their width anew.
    pick(window->comcainame, QStringLiteral("十选二"));
    ASSERT_EQ(h.trend().columnCount(), 10 + 4);
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(h.trendView->columnWidth(c), kTrendMetrics.numberWidth) << c;
    for (int c = 10; c < 14; ++c)
        EXPECT_EQ(h.trendView->columnWidth(c), kTrendMetrics.figureWidth) << c;
}

// Every printed page shows its last row whole, the line under it included,
// and holds as many rows as fit.
TEST(TrendPrint, EveryPageEndsOnAWholeRow)
{
    const TrendMetrics &m = kTrendMetrics;
    for (const int chartWidth : {200, 1000, 2300}) {
        for (const QSize page : {QSize(800, 1100), QSize(4800, 6600), QSize(1100, 800), QSize(9600, 6000)}) {
            const int rows = trendRowsPerPage(page, chartWidth);
            const double scale = static_cast<double>(page.width()) / chartWidth;
            EXPECT_LE((m.headerHeight + rows * m.rowHeight + 1) * scale, page.height())
                << chartWidth << " on " << page.width() << "x" << page.height();
            if (rows > 1) {
                EXPECT_GT((m.headerHeight + (rows + 1) * m.rowHeight + 1) * scale, page.height());
            }
        }
    }
    // A page whose height is exactly a whole number of rows keeps room for the closing line.
    EXPECT_EQ(trendRowsPerPage(QSize(1000, m.headerHeight + 10 * m.rowHeight), 1000), 9);
}

TEST(TrendCell, AFigureWiderThanItsColumnIsDrawnSmallerNotCut)
{
    // A 遗漏 or count of four digits in a number column: the text is drawn
    // whole, clear of the cell's sides, rather than clipped at them.
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QStringLiteral("1234"));
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect cell(39, 10, kTrendMetrics.numberWidth, kTrendMetrics.rowHeight);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    paintTrendCell(painter, cell, model.index(0, 0));
    painter.end();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            ++inked;
            EXPECT_TRUE(cell.adjusted(1, 0, -1, 0).contains(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 20);
}

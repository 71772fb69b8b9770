#include "main_window_fixture.h"

#include "../support/pdf_pages.h"

#include "results/printout.h"
#include "views/qt_print_surface.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class PrintingTest : public MainWindowTest
{
protected:
    Tfrmmain &openWithRows(int rows)
    {
        clock.date = QDate(2007, 3, 9);
        Tfrmmain &w = open();
        for (QLineEdit *box : visibleBoxes())
            box->setText(QStringLiteral("5"));
        for (int i = 0; i < rows; ++i)
            QTest::mouseClick(w.btnadd, Qt::LeftButton);
        desktop.messages.clear();
        return w;
    }
    QString pdf() const { return dir.file(QStringLiteral("bets.pdf")); }
};

TEST_F(PrintingTest, EmptyGridAsksForResultsFirst)
{
    Tfrmmain &w = openWithRows(0);
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请先生成表格！")});
    EXPECT_EQ(desktop.printDialogs, 0);
}

TEST_F(PrintingTest, CancelledDialogPrintsNothing)
{
    Tfrmmain &w = openWithRows(2);
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    EXPECT_EQ(desktop.printDialogs, 1);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(PrintingTest, PrintsToPdfAndSwitchesTheDateFormat)
{
    Tfrmmain &w = openWithRows(26);
    desktop.printTargets.push_back(pdf());
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(pdfPages(pdf()), 2);
    EXPECT_TRUE(desktop.progressValues.empty()); // two pages need no progress

    // From now on the suggested save name carries the date as 2007-3-9.
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    ASSERT_FALSE(desktop.dialogs.empty());
    EXPECT_TRUE(desktop.dialogs.back().suggestedName.endsWith(QStringLiteral("双色球2007-3-9投注号码.txt")))
        << desktop.dialogs.back().suggestedName.toStdString();
}

TEST_F(PrintingTest, FailingPrinterSaysToInstallOne)
{
    Tfrmmain &w = openWithRows(3);
    desktop.printTargets.push_back(QStringLiteral("/sys/bets.pdf"));
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("请安装打印机！"));
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
}

TEST_F(PrintingTest, LongJobShowsProgressAndCanBeStopped)
{
    Tfrmmain &w = openWithRows(101); // five pages
    desktop.printTargets.push_back(pdf());
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    EXPECT_EQ(desktop.progressMaximum, 5);
    EXPECT_EQ(desktop.progressValues, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(pdfPages(pdf()), 5);

    QFile::remove(pdf());
    desktop.progressValues.clear();
    desktop.cancelAt = 2;
    desktop.printTargets.push_back(pdf());
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    EXPECT_EQ(desktop.progressValues, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_LE(pdfPages(pdf()), 0); // aborted: no finished document
}

TEST_F(PrintingTest, PreviewDrawsTheSamePages)
{
    Tfrmmain &w = openWithRows(30);
    desktop.previewFile = dir.file(QStringLiteral("preview.pdf"));
    QAction *preview = w.grdcode->findChild<QAction *>(QStringLiteral("actPreview"));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->text(), QStringLiteral("打印预览…"));
    preview->trigger();
    EXPECT_EQ(desktop.previews, 1);
    EXPECT_EQ(pdfPages(desktop.previewFile), 2);
    EXPECT_EQ(desktop.printDialogs, 0);
}

TEST_F(PrintingTest, LongPreviewShowsItsFirstPagesAndSaysPrintingDoesAll)
{
    Tfrmmain &w = openWithRows(0);
    desktop.previewFile = dir.file(QStringLiteral("preview.pdf"));
    QAction *preview = w.grdcode->findChild<QAction *>(QStringLiteral("actPreview"));
    ASSERT_NE(preview, nullptr);
    // Bets of the lottery shown, one line each, loaded as a player would.
    const auto loadRows = [&](int rows) {
        QString line;
        for (size_t k = 1; k <= visibleBoxes().size(); ++k)
            line += QStringLiteral("%1 ").arg(k, 2, 10, QLatin1Char('0'));
        QFile file(dir.file(QStringLiteral("附属/许多.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int r = 0; r < rows; ++r)
            file.write((line + QStringLiteral("\r\n")).toLatin1());
        file.close();
        desktop.fileAnswers.push_back(file.fileName());
        QTest::mouseClick(w.btnload, Qt::LeftButton);
        ASSERT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
    };

    loadRows(25 * kPreviewPages); // exactly as many pages as a preview shows
    preview->trigger();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(pdfPages(desktop.previewFile), kPreviewPages);

    loadRows(25 * kPreviewPages + 1);
    preview->trigger();
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{QStringLiteral("共21页，预览只显示前20页；打印号码时打印全部21页。")});
    EXPECT_EQ(pdfPages(desktop.previewFile), kPreviewPages);

    // Printing prints every page.
    desktop.printTargets.push_back(pdf());
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    EXPECT_EQ(pdfPages(pdf()), 21);
}

namespace {

ResultGrid sixNumberRows(int rows)
{
    ResultGrid grid;
    const std::vector<std::string> bet{"01", "02", "03", "04", "05", "06"};
    for (int r = 0; r < rows; ++r)
        grid.appendBet({Lotto, 33, 6}, bet);
    return grid;
}

} // namespace

TEST(QtPrintSurface, PrintsToAPdfWithOnePageAPageOfRows)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath(QStringLiteral("bets.pdf"));
    printer.setOutputFileName(path);
    QtPrintSurface surface(&printer);
    EXPECT_GT(surface.pageSize().width(), 1000);
    ASSERT_TRUE(printResultGrid(
        sixNumberRows(60), {QStringLiteral("双色球"), {Lotto, 33, 6}, QStringLiteral("2026-12-8")}, surface));
    EXPECT_EQ(pdfPages(path), 3);
}

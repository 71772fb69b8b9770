// Faults of the outside world, met by the real windows: what the player
// sees, and that nothing saved before is lost or changed.
#include "main_window_fixture.h"

#include "../support/loopback_server.h"
#include "app/u_index.h"
#include "catalogue/catalogue_store.h"
#include "results/result_grid_model.h"
#include "ui/qt_desktop.h"
#include "ui/radio_group.h"
#include "views/result_grid_view.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <cstdlib>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

std::function<void(QDialog *)> addLottery(const QString &name)
{
    return [=](QDialog *dialog) {
        auto *index = static_cast<Tfrmindex *>(dialog);
        index->edtcainame->setText(name);
        index->edtcaisum->setText(QStringLiteral("33"));
        index->edtcaisel->setText(QStringLiteral("6"));
        QTest::mouseClick(index->btnadd, Qt::LeftButton);
    };
}

} // namespace

class FaultTest : public MainWindowTest
{
protected:
    void fillGrid(Tfrmmain &w, int rows)
    {
        for (QLineEdit *box : visibleBoxes())
            box->setText(QStringLiteral("7"));
        for (int i = 0; i < rows; ++i)
            QTest::mouseClick(w.btnadd, Qt::LeftButton);
        desktop.messages.clear();
    }
    int storedRows() const { return static_cast<int>(CatalogueStore(dir.cataloguePath()).readAll().size()); }
};

TEST_F(FaultTest, TruncatedCatalogueIsReportedAndLeftAlone)
{
    const QByteArray whole = fileBytes(dir.cataloguePath());
    writeBytes(dir.cataloguePath(), whole.left(whole.size() / 2));
    Tfrmmain &w = open();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("彩票数据库")));
    EXPECT_EQ(w.comcainame->count(), 0);
    EXPECT_EQ(fileBytes(dir.cataloguePath()), whole.left(whole.size() / 2));
}

TEST_F(FaultTest, MissingDataFoldersCostNothingElse)
{
    ASSERT_TRUE(QDir(dir.file(QStringLiteral("附属"))).removeRecursively());
    ASSERT_TRUE(QDir(dir.file(QStringLiteral("图片"))).removeRecursively());
    Tfrmmain &w = open();
    EXPECT_TRUE(desktop.messages.empty());
    fillGrid(w, 2);
    desktop.fileAnswers.push_back(dir.file(QStringLiteral("附属/号码.txt")));
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("文件没找到.")});
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3); // the bets are still there
    QTest::mouseClick(w.btnabout, Qt::LeftButton);
    EXPECT_EQ(desktop.messages.size(), 2u);
    EXPECT_NE(w.frmabout(), nullptr);
}

TEST_F(FaultTest, BannerThatCannotBeCachedHidesTheStripQuietly)
{
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("guanggao.gif")))); // a folder in its place
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::ok("GIF89a..."); });
    banner.address = server.address();
    Tfrmmain &w = open();
    EXPECT_FALSE(w.pan->isVisibleTo(&w));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(w.comcainame->count(), 9);
}

TEST_F(FaultTest, ImmutableCatalogueRefusesAnAdditionAndKeepsItsRows)
{
    const QString path = dir.cataloguePath();
    const QByteArray before = fileBytes(path);
    if (std::system(("chattr +i '" + path.toStdString() + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "this file system cannot make a file immutable";
    Tfrmmain &w = open();
    desktop.modalScript = addLottery(QStringLiteral("新彩票"));
    QTest::mouseClick(w.btnindex, Qt::LeftButton);
    std::system(("chattr -i '" + path.toStdString() + "'").c_str());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("无法")));
    EXPECT_EQ(w.frmindex()->result(), QDialog::Rejected);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(w.comcainame->count(), 9);
}

TEST_F(FaultTest, CatalogueLockedByAnotherProgramRefusesAnAddition)
{
    Tfrmmain &w = open();
    const QString holder = QStringLiteral("other-program");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
        db.setDatabaseName(dir.cataloguePath());
        ASSERT_TRUE(db.open());
        QSqlQuery lock(db);
        ASSERT_TRUE(lock.exec(QStringLiteral("begin exclusive")));
        desktop.modalScript = addLottery(QStringLiteral("锁住时添加"));
        QTest::mouseClick(w.btnindex, Qt::LeftButton); // waits out the busy time-out
        lock.exec(QStringLiteral("rollback"));
        db.close();
    }
    QSqlDatabase::removeDatabase(holder);
    ASSERT_EQ(desktop.messages.size(), 1u);
    // The program's own sentence; SQLite's words follow in brackets.
    const QString text = desktop.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("无法读取彩票数据库“"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("”：它正被另一个程序使用，请稍后再试（database is locked）。")))
        << text.toStdString();
    EXPECT_EQ(storedRows(), 9);
    // Once the other program is done, the same press adds the lottery.
    desktop.messages.clear();
    QTest::mouseClick(w.btnindex, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功添加彩票！")});
    EXPECT_EQ(storedRows(), 10);
}

TEST_F(FaultTest, SavesThatFailKeepTheEarlierFile)
{
    Tfrmmain &w = open();
    fillGrid(w, 3);
    const QString saved = dir.file(QStringLiteral("附属/已保存.txt"));
    desktop.fileAnswers.push_back(saved);
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    const QByteArray before = fileBytes(saved);
    ASSERT_EQ(before.count("\r\n"), 3);

    // The folder vanishes while the program runs; then the disk is full.
    const QString gone = dir.file(QStringLiteral("临时"));
    QDir().mkpath(gone);
    QDir(gone).removeRecursively();
    desktop.messages.clear();
    desktop.fileAnswers = {gone + QStringLiteral("/号码.txt"), QStringLiteral("/dev/full")};
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(),
              (QStringList{QStringLiteral("文件没找到."), QStringLiteral("磁盘已满.")}));
    EXPECT_EQ(fileBytes(saved), before);

    // A file the player made read-only is not replaced behind their back,
    // whoever runs the program.
    QFile::setPermissions(saved, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    desktop.messages.clear();
    desktop.fileAnswers = {saved};
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("文件存取错误.")});
    EXPECT_EQ(fileBytes(saved), before);
}

// Names from the catalogue are shown as typed: no markup, no placeholders
// filled twice, and no page-long quotation.
TEST_F(FaultTest, HostileLotteryNamesShowAsTyped)
{
    const QString name = QStringLiteral("%2%1<h1>彩");
    dir.writeCatalogue(
        {{name, QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("6")},
         {QString(3000, QLatin1Char('x')), QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("60")}});
    Tfrmmain &w = open();
    fillGrid(w, 1);
    desktop.textAnswers = {QStringLiteral("1 2 3 4 5 6")};
    w.checkDraw();
    EXPECT_EQ(desktop.askedLabels,
              QStringList{QStringLiteral("请输入%2%1<h1>彩的期号（可省略）和6个开奖号码：")});
    pick(w.comcainame, QString(3000, QLatin1Char('x')));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_LT(desktop.messages[0].text.size(), 120) << desktop.messages[0].text.toStdString();
}

// A back zone named in markup shows its characters in a row's tooltip.
TEST_F(FaultTest, MarkupInABackZonesNameShowsAsTypedInTheTooltip)
{
    dir.writeTwoZoneCatalogue(
        {{QStringLiteral("双色球"), QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("6"),
          QStringLiteral("<b>蓝</b>"), QStringLiteral("16"), QStringLiteral("1")}});
    Tfrmmain &w = open();
    fillGrid(w, 1);
    QTableView *grid = w.grdcode;
    const QRect cell = grid->visualRect(grid->model()->index(0, 1));
    QHelpEvent help(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(grid->viewport(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("&lt;b&gt;蓝&lt;/b&gt;")))
        << QToolTip::text().toStdString();
}

// The real message box: a text of any length fits on the screen, and markup
// in it shows as the characters it is made of.
TEST_F(FaultTest, MessageBoxesStayWithinTheScreenAndShowPlainText)
{
    QtDesktop real;
    QSize shown;
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->frameGeometry().size();
        format = box->textFormat();
        text = box->text();
        box->accept();
    });
    real.message(nullptr, MessageKind::Error, QStringLiteral("Korvel自动选号器"),
                 QStringLiteral("<h1>标题</h1>") + QString(10000, QChar(0x5F69)));
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(shown.height(), screen.height());
    EXPECT_LE(shown.width(), screen.width());
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(text.startsWith(QStringLiteral("<h1>标题</h1>")));
}

// A number file of one endless line, or with a NUL, is refused with a short
// message, and the grid keeps what it showed.
TEST_F(FaultTest, HostileNumberFilesAreRefusedQuickly)
{
    Tfrmmain &w = open();
    fillGrid(w, 2);
    const QString endless = dir.file(QStringLiteral("附属/一行.txt"));
    writeBytes(endless, "x\r\n" + QByteArray(50 << 20, '7'));
    const QString withNul = dir.file(QStringLiteral("附属/空字符.txt"));
    static const char nulLines[] = "01 02 03 04 05 06 \r\n01 02 0\0 04 05 06 \r\n";
    writeBytes(withNul, QByteArray(nulLines, sizeof nulLines - 1));
    desktop.fileAnswers = {endless, withNul};
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("第2行超过4096个字节")));
    EXPECT_TRUE(desktop.messages[1].text.contains(QStringLiteral("第2行含有空字符")));
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);
}

TEST_F(FaultTest, PrintJobThatFailsHalfWaySaysToInstallAPrinter)
{
    Tfrmmain &w = open();
    fillGrid(w, 60);
    desktop.printTargets.push_back(QStringLiteral("/dev/full"));
    QTest::mouseClick(w.btnprint, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请安装打印机！")});
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 61);
}

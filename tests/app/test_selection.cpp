#include "main_window_fixture.h"

#include "results/result_grid_model.h"
#include "ui/radio_group.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

namespace {

using Rows = std::vector<std::array<QString, 4>>;

std::array<QString, 4> row(const char *name, const char *kind, const char *total, const char *count)
{
    return {QString::fromUtf8(name), QString::fromUtf8(kind), QString::fromUtf8(total),
            QString::fromUtf8(count)};
}

} // namespace

TEST_F(MainWindowTest, PickingALotteryRebuildsTheBoxesForItsCount)
{
    dir.writeCatalogue(
        {row("七星彩", "1", "10", "7"), row("排列五", "1", "10", "5"), row("双色球", "0", "33", "6")});
    Tfrmmain &w = open();
    ASSERT_EQ(visibleBoxes().size(), 7u);
    visibleBoxes()[2]->setText(QStringLiteral("4"));
    w.edtoricode->setText(QStringLiteral("8"));
    pick(w.commode, QStringLiteral("合数修正"));

    pick(w.comcainame, QStringLiteral("排列五"));
    const auto boxes = visibleBoxes();
    ASSERT_EQ(boxes.size(), 5u);
    const int lefts[] = {5, 92, 179, 266, 353};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(boxes[i]->geometry(), QRect(lefts[i], 13, 81, 21));
        EXPECT_TRUE(boxes[i]->text().isEmpty());
        EXPECT_EQ(w.originalNumberBoxes()[i], boxes[i]);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.grpcode->findChildren<QLineEdit *>().size(), 5); // the old ones are gone
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("排列五"), {1, 10, 5}}));
    EXPECT_EQ(w.optcaitype->itemIndex(), 1);
    EXPECT_EQ(w.edtcaisum->text(), QStringLiteral("10"));
    EXPECT_EQ(w.edtcaisel->text(), QStringLiteral("5"));
    EXPECT_EQ(w.commode->currentText(), QStringLiteral("怪数7修正"));
    EXPECT_TRUE(w.edtoricode->text().isEmpty());
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入5个0--9范围内数字（可以重复）"));

    pick(w.comcainame, QStringLiteral("双色球"));
    EXPECT_EQ(visibleBoxes().size(), 6u);
    EXPECT_EQ(w.optcaitype->itemIndex(), 0);
}

TEST_F(MainWindowTest, DuplicateNamesApplyTheFirstRowAndUnknownNamesTheLast)
{
    dir.writeCatalogue({row("甲", "0", "33", "6"), row("乙", "1", "10", "3"), row("甲", "1", "10", "4"),
                        row("丙", "0", "35", "5")});
    Tfrmmain &w = open();
    EXPECT_EQ(w.comcainame->count(), 4);
    pickAt(w.comcainame, 2); // the second 甲
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("甲"), {0, 33, 6}}));

    // The store changed since the list was filled: 乙 is no longer in it.
    dir.writeCatalogue({row("甲", "0", "33", "6"), row("丙", "0", "35", "5")});
    pick(w.comcainame, QStringLiteral("乙"));
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("丙"), {0, 35, 5}}));
    EXPECT_EQ(visibleBoxes().size(), 5u);

    // And now it holds no lottery at all: refused with a message.
    dir.writeCatalogue({});
    desktop.messages.clear();
    pick(w.comcainame, QStringLiteral("甲"));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("丙"));
}

TEST_F(MainWindowTest, TypingALotteryNameSelectsNothing)
{
    Tfrmmain &w = open();
    visibleBoxes()[0]->setText(QStringLiteral("3"));
    w.comcainame->setFocus();
    w.comcainame->setEditText(QString());
    typeText(w.comcainame, QStringLiteral("福彩3D"));
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
    EXPECT_EQ(visibleBoxes()[0]->text(), QStringLiteral("3"));
    EXPECT_EQ(w.comcainame->count(), 9);
}

TEST_F(MainWindowTest, UnservableLotteryIsListedButRefusedWhenPicked)
{
    dir.writeCatalogue({row("双色球", "0", "33", "6"), row("太多", "1", "10", "60"),
                        row("零个", "0", "33", "0"), row("超百", "0", "120", "5"), row("不够", "0", "5", "6"),
                        row("第三种", "2", "10", "3"), row("坏数", "0", "3x", "6")});
    Tfrmmain &w = open();
    EXPECT_EQ(w.comcainame->count(), 7);
    visibleBoxes()[0]->setText(QStringLiteral("12"));
    const QString messages[] = {QStringLiteral("太多"), QStringLiteral("零个"),   QStringLiteral("超百"),
                                QStringLiteral("不够"), QStringLiteral("第三种"), QStringLiteral("坏数")};
    for (const QString &name : messages) {
        desktop.messages.clear();
        pick(w.comcainame, name);
        ASSERT_EQ(desktop.messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(desktop.messages[0].caption, QStringLiteral("Korvel自动选号器"));
        EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));
        // The list shows the lottery the window still works on.
        EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("双色球"));
        EXPECT_EQ(visibleBoxes().size(), 6u);
        EXPECT_EQ(visibleBoxes()[0]->text(), QStringLiteral("12"));
    }
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("'3x' 不是一个有效的整形值."));
}

TEST_F(MainWindowTest, MissingCatalogueStopsStartUpButTheWindowOpens)
{
    QFile::remove(dir.cataloguePath());
    Tfrmmain &w = open();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("找不到彩票数据库文件")));
    EXPECT_FALSE(QFile::exists(dir.cataloguePath()));
    // No lottery is current, so the design values stay; but the option
    // lists do not depend on the catalogue and are filled all the same.
    EXPECT_EQ(w.comcainame->count(), 0);
    EXPECT_EQ(w.edtcaisum->text(), QStringLiteral("10"));
    EXPECT_EQ(w.edtcaisel->text(), QStringLiteral("3"));
    EXPECT_TRUE(w.originalNumberBoxes().empty());
    EXPECT_EQ(w.commode->count(), 20);
    EXPECT_EQ(w.comfangwei->currentText(), QStringLiteral("东"));
    // An empty list has nothing to pick: the arrow keys run nothing.
    QTest::keyClick(w.comcainame, Qt::Key_Down);
    EXPECT_EQ(desktop.messages.size(), 1u);
    // Once the catalogue is back, a pick makes the window convert: no
    // conversion is refused for want of a method.
    QFile::copy(QStringLiteral(KORVEL_DIST_DIR "/数据库/彩票数据.mdb"), dir.cataloguePath());
    w.comcainame->addItem(QStringLiteral("双色球"));
    pick(w.comcainame, QStringLiteral("双色球"));
    const QString numbers[]
        = {QStringLiteral("1"),  QStringLiteral("5"),  QStringLiteral("9"), QStringLiteral("13"),
           QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("7")}; // and the blue ball
    ASSERT_EQ(visibleBoxes().size(), std::size(numbers));
    for (size_t i = 0; i < visibleBoxes().size(); ++i)
        visibleBoxes()[i]->setText(numbers[i]);
    desktop.messages.clear();
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'\n').toStdString();
    EXPECT_FALSE(w.resultGrid().grid().cell(1, 1).empty());
}

// A catalogue that was missing at the start is read again, without a
// restart, when the player opens the empty list or presses 转换号码.
TEST_F(MainWindowTest, CatalogueThatComesBackIsReadWhenTheListOpensOrOnConversion)
{
    const QString shipped = QStringLiteral(KORVEL_DIST_DIR "/数据库/彩票数据.mdb");
    QFile::remove(dir.cataloguePath());
    Tfrmmain &w = open();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("打开彩票列表或按“转换号码”即可重新读取")))
        << desktop.messages[0].text.toStdString();

    // Still missing: the press says so again and changes nothing.
    desktop.messages.clear();
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("找不到彩票数据库文件")));
    EXPECT_EQ(w.comcainame->count(), 0);

    ASSERT_TRUE(QFile::copy(shipped, dir.cataloguePath()));
    desktop.messages.clear();
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{QStringLiteral("已重新读取彩票数据库，当前彩票为“%1”，请输入号码后再转换。")
                              .arg(w.comcainame->itemText(0))});
    EXPECT_EQ(w.comcainame->count(), 9);
    EXPECT_EQ(w.originalNumberBoxes().size(), static_cast<size_t>(w.currentLottery().lottery.numberCount()));
    EXPECT_TRUE(w.resultGrid().grid().cell(1, 1).empty());

    // Opening the list reads it when it is empty, and only then.
    Tfrmmain &again = open();
    QFile::remove(dir.cataloguePath());
    again.comcainame->clear();
    desktop.messages.clear();
    again.comcainame->showPopup();
    again.comcainame->hidePopup();
    EXPECT_EQ(again.comcainame->count(), 0);
    ASSERT_EQ(desktop.messages.size(), 1u);
    ASSERT_TRUE(QFile::copy(shipped, dir.cataloguePath()));
    again.comcainame->showPopup();
    again.comcainame->hidePopup();
    EXPECT_EQ(again.comcainame->count(), 9);
    EXPECT_EQ(again.commode->currentText(), QStringLiteral("怪数7修正"));
}

TEST_F(MainWindowTest, CorruptCatalogueFilesGiveAMessageEach)
{
    const QByteArray broken[] = {QByteArray(3000, '\x07'), QByteArray()};
    for (const QByteArray &bytes : broken) {
        QFile file(dir.cataloguePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        desktop.messages.clear();
        Tfrmmain &w = open();
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("彩票数据库")))
            << desktop.messages[0].text.toStdString();
        EXPECT_EQ(w.comcainame->count(), 0);
    }
}

TEST_F(MainWindowTest, FirstRowThatIsNoIntegerStopsStartUpAtTheSelection)
{
    dir.writeCatalogue({row("坏", "乐透", "33", "6"), row("双色球", "0", "33", "6")});
    Tfrmmain &w = open();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("'乐透' 不是一个有效的整形值."));
    EXPECT_EQ(w.comcainame->count(), 2); // the list was filled before the failure
    // It does not show the row that failed as if it were current.
    EXPECT_EQ(w.comcainame->currentText(), QString());
    EXPECT_EQ(w.commode->count(), 20);
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码："));
    desktop.messages.clear();
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请先选择彩票！")});
}

TEST_F(MainWindowTest, EmptyCatalogueOpensWithAnEmptyListAndAMessage)
{
    dir.writeCatalogue({});
    Tfrmmain &w = open();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Information);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("添加彩票")));
    EXPECT_EQ(w.comcainame->count(), 0);
    EXPECT_EQ(w.commode->count(), 20); // the rest of the start-up ran
    EXPECT_TRUE(w.originalNumberBoxes().empty());
    QTest::keyClick(w.comcainame, Qt::Key_Down);
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(MainWindowTest, ReadOnlyCatalogueStillStarts)
{
    QFile::setPermissions(dir.cataloguePath(), QFileDevice::ReadOwner);
    Tfrmmain &w = open();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(w.comcainame->count(), 9);
}

#include "main_window_fixture.h"

#include "ui/click_label.h"
#include "ui/guard.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

TEST_F(MainWindowTest, HelpAndDemonstrationOpenTheirFilesWhenPresent)
{
    Tfrmmain &w = open();
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("帮助/Korvel自动选号器帮助.chm"))));
    QTest::mouseClick(w.btnhelp, Qt::LeftButton);
    QTest::mouseClick(w.btnyanshi, Qt::LeftButton);
    EXPECT_TRUE(desktop.openedDocuments.isEmpty());
    EXPECT_TRUE(desktop.startedPrograms.isEmpty());
    EXPECT_TRUE(desktop.messages.empty());

    QFile help(dir.file(QStringLiteral("帮助/Korvel自动选号器帮助.chm")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    QFile demo(dir.file(QStringLiteral("软件演示")));
    ASSERT_TRUE(demo.open(QIODevice::WriteOnly));
    demo.close();
    demo.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QTest::mouseClick(w.btnhelp, Qt::LeftButton);
    QTest::mouseClick(w.btnyanshi, Qt::LeftButton);
    EXPECT_EQ(desktop.openedDocuments,
              QStringList{dir.file(QStringLiteral("帮助/Korvel自动选号器帮助.chm"))});
    EXPECT_EQ(desktop.startedPrograms, QStringList{dir.file(QStringLiteral("软件演示"))});
}

TEST_F(MainWindowTest, WebLinksOpenTheVendorsHomePage)
{
    Tfrmmain &w = open();
    QTest::mouseClick(w.Label6, Qt::LeftButton);
    QTest::mouseClick(w.lblweb2, Qt::LeftButton);
    ASSERT_EQ(desktop.openedDocuments.size(), 2);
    EXPECT_EQ(desktop.openedDocuments[0], QStringLiteral("http://korvel.example/"));
    EXPECT_EQ(desktop.openedDocuments[1], desktop.openedDocuments[0]);
    EXPECT_EQ(w.lblweb2->text(), QStringLiteral("korvel.example"));
}

TEST_F(MainWindowTest, BackgroundClickSavesTheScreenUnderTheExactName)
{
    Tfrmmain &w = open();
    w.show();
    desktop.screen.fill(Qt::darkCyan);
    const QString target = dir.file(QStringLiteral("附属/屏幕"));
    desktop.fileAnswers.push_back(target);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(300, 5));
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].title, QStringLiteral("保存屏幕"));
    EXPECT_EQ(desktop.dialogs[0].filter, QStringLiteral("图片(*.bmp)|*.bmp"));
    EXPECT_EQ(desktop.dialogs[0].defaultSuffix, QString());
    EXPECT_EQ(desktop.dialogs[0].initialFolder, QDir::homePath());
    EXPECT_EQ(desktop.screenGrabs, 1);
    ASSERT_TRUE(QFile::exists(target));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    file.close();
    const QImage saved(target, "BMP");
    EXPECT_EQ(saved.size(), desktop.screen.size());
    EXPECT_EQ(saved.pixelColor(3, 3), QColor(Qt::darkCyan));
}

TEST_F(MainWindowTest, CancelledOrMissedCaptureWritesNothing)
{
    Tfrmmain &w = open();
    w.show();
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(300, 5)); // dialog cancelled
    EXPECT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_EQ(QDir(QDir::homePath()).entryList(QDir::Files).filter(QStringLiteral(".korvel-")).size(), 0);
    // A click on a control or a group frame is no background click.
    QTest::mouseClick(w.grpcaipiao, Qt::LeftButton, {}, QPoint(2, 40));
    QTest::mouseClick(w.Label2, Qt::LeftButton);
    EXPECT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(MainWindowTest, CaptureThatCannotBeWrittenShowsTheFileError)
{
    Tfrmmain &w = open();
    w.show();
    desktop.fileAnswers.push_back(dir.file(QStringLiteral("没有的文件夹/屏幕.bmp")));
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(300, 5));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("文件没找到."));
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindow)
{
    Tfrmmain &w = open();
    w.show();
    ASSERT_TRUE(w.isVisible());
    QTest::mouseClick(w.btnclose, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST(DefaultErrorHandler, ShowsTheTextAndSkipsTheRest)
{
    FakeDesktop desktop;
    bool reachedEnd = false;
    EXPECT_FALSE(runGuarded(desktop, nullptr, [&] {
        throw std::runtime_error("出错了");
        reachedEnd = true;
    }));
    EXPECT_FALSE(reachedEnd);
    EXPECT_TRUE(runGuarded(desktop, nullptr, [] {}));
    EXPECT_FALSE(runGuarded(desktop, nullptr, [] { throw std::runtime_error("stop."); }));
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("出错了."));
    EXPECT_EQ(desktop.messages[0].caption, QStringLiteral("Korvel自动选号器"));
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages[1].text, QStringLiteral("stop."));
}

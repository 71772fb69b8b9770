#include "main_window_fixture.h"

#include "app/u_about.h"
#include "app/u_flash.h"
#include "cipher/aux_text_file.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void writeLines(const QString &path, const std::vector<std::string> &lines)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const std::string &line : lines)
        file.write(QByteArray::fromStdString(line + "\r\n"));
}

std::string hex(const char *caption)
{
    return auxTextLine(caption);
}

} // namespace

class SplashTest : public MainWindowTest
{
protected:
    QString flashFile() const { return dir.file(QStringLiteral("附属/flash.txt")); }
};

TEST_F(SplashTest, ShippedFilesFillTheLabelsAndThePicture)
{
    Tfrmflash splash(desktop, dir.folder());
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(splash.size(), QSize(551, 337));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.lblchuping->text().startsWith(QStringLiteral("出品：")));
    EXPECT_TRUE(splash.lblweb->text().startsWith(QStringLiteral("官方网址：")));
    EXPECT_TRUE(splash.lblqq->text().startsWith(QStringLiteral("QQ号码：")));
    EXPECT_TRUE(splash.lblmail->text().startsWith(QStringLiteral("电子邮箱：")));
    EXPECT_TRUE(splash.lblphone->text().startsWith(QStringLiteral("服务热线：")));
    EXPECT_EQ(splash.lblshiyong->text(), QStringLiteral("适用：所有彩票类型"));
    EXPECT_EQ(splash.Label1->text(), QStringLiteral("Korvel自动选号器"));
    EXPECT_EQ(splash.lblweb->geometry(), QRect(144, 201, 369, 16));
    EXPECT_FALSE(splash.Image1->pixmap().isNull());
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.Timer1->interval(), 1000);
    EXPECT_TRUE(splash.Timer1->isActive());
}

TEST_F(SplashTest, SecondLineIsNeverDeciphered)
{
    writeLines(flashFile(), {hex("出品：甲"), "这不是十六进制", hex("官方网址：乙"), hex("QQ号码：丙"),
                             hex("电子邮箱：丁"), hex("服务热线：戊")});
    Tfrmflash splash(desktop, dir.folder());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(splash.lblchuping->text(), QStringLiteral("出品：甲"));
    EXPECT_EQ(splash.lblweb->text(), QStringLiteral("官方网址：乙"));
    EXPECT_EQ(splash.lblphone->text(), QStringLiteral("服务热线：戊"));
}

TEST_F(SplashTest, ShortFileGivesEmptyCaptionsWithoutAnError)
{
    writeLines(flashFile(), {hex("出品：甲"), ""});
    Tfrmflash splash(desktop, dir.folder());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(splash.lblchuping->text(), QStringLiteral("出品：甲"));
    EXPECT_EQ(splash.lblweb->text(), QString());
    EXPECT_EQ(splash.lblphone->text(), QString());
    EXPECT_FALSE(splash.Image1->pixmap().isNull());
}

TEST_F(SplashTest, BadHexStopsTheSetUpAtThatLine)
{
    writeLines(flashFile(), {hex("出品：甲"), "x", "G0", hex("QQ号码：丙")});
    Tfrmflash splash(desktop, dir.folder());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Error: not a Hex String."));
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(splash.lblchuping->text(), QStringLiteral("出品：甲"));
    EXPECT_EQ(splash.lblweb->text(), QStringLiteral("官方网址："));
    EXPECT_EQ(splash.lblqq->text(), QStringLiteral("QQ号码："));
    EXPECT_TRUE(splash.Image1->pixmap().isNull());
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(SplashTest, MissingPictureIsReportedAfterTheLabels)
{
    QFile::remove(dir.file(QStringLiteral("图片/flash.jpg")));
    Tfrmflash splash(desktop, dir.folder());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("文件没找到."));
    EXPECT_TRUE(splash.lblphone->text().startsWith(QStringLiteral("服务热线：")));
    EXPECT_TRUE(splash.Image1->pixmap().isNull());
}

TEST_F(SplashTest, EndsOnTheFifthTickWhateverHappened)
{
    QFile::remove(flashFile());
    Tfrmflash splash(desktop, dir.folder());
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("文件没找到.")});
    splash.show();
    for (int tick = 1; tick <= 4; ++tick) {
        splash.Timer1Timer();
        EXPECT_TRUE(splash.isVisible()) << tick;
    }
    // Keys, clicks and the window system's close request do not end it early.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(&splash, key);
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::mouseClick(splash.Image1, Qt::RightButton);
    EXPECT_FALSE(splash.close());
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.ticks(), 4);
    splash.Timer1Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Accepted);
    EXPECT_EQ(splash.ticks(), 5);
}

TEST_F(MainWindowTest, AboutBoxReadsItsFileOnceAndIsKept)
{
    Tfrmmain &w = open();
    QTest::mouseClick(w.btnabout, Qt::LeftButton);
    Tfrmabout *about = w.frmabout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(desktop.modalDialogs, std::vector<QDialog *>{about});
    EXPECT_EQ(about->windowTitle(), QStringLiteral("关于本程序"));
    EXPECT_EQ(about->size(), QSize(405, 207));
    EXPECT_TRUE(about->lblauthor->text().startsWith(QStringLiteral("作者：")));
    EXPECT_TRUE(about->lblbanquan->text().startsWith(QStringLiteral("版权所有：")));
    EXPECT_TRUE(about->lblweb->text().startsWith(QStringLiteral("网址：")));
    EXPECT_TRUE(about->lblqq->text().startsWith(QStringLiteral("QQ号码：")));
    EXPECT_TRUE(about->lblphone1->text().startsWith(QStringLiteral("服务电话：")));
    EXPECT_TRUE(about->lblphone2->text().startsWith(QStringLiteral("手机：")));
    EXPECT_TRUE(about->lblmail->text().startsWith(QStringLiteral("邮件:")));
    EXPECT_EQ(about->Label2->text(), QStringLiteral("2.0版"));
    EXPECT_FALSE(about->Image1->pixmap().isNull());
    EXPECT_TRUE(about->btnclose->isDefault());
    const QString author = about->lblauthor->text();

    writeLines(dir.file(QStringLiteral("附属/about.txt")), {hex("作者：别人")});
    QTest::mouseClick(w.btnabout, Qt::LeftButton);
    EXPECT_EQ(w.frmabout(), about);
    EXPECT_EQ(desktop.modalDialogs.size(), 2u);
    EXPECT_EQ(about->lblauthor->text(), author);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(MainWindowTest, AboutBoxWithABrokenFileStillOpens)
{
    writeLines(dir.file(QStringLiteral("附属/about.txt")), {hex("作者：甲"), "zz"});
    Tfrmmain &w = open();
    QTest::mouseClick(w.btnabout, Qt::LeftButton);
    ASSERT_NE(w.frmabout(), nullptr);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("Error: not a Hex String.")});
    EXPECT_EQ(w.frmabout()->lblauthor->text(), QStringLiteral("作者：甲"));
    EXPECT_EQ(w.frmabout()->lblbanquan->text(), QStringLiteral("版权所有："));
    w.frmabout()->show();
    QTest::mouseClick(w.frmabout()->btnclose, Qt::LeftButton);
    EXPECT_FALSE(w.frmabout()->isVisible());
}

#include "main_window_fixture.h"

#include "ui/click_label.h"
#include "ui/guard.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <locale.h>
#include <vector>

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
    desktop.installedPrograms = {QStringLiteral("xchm")};
    QTest::mouseClick(w.btnhelp, Qt::LeftButton);
    QTest::mouseClick(w.btnyanshi, Qt::LeftButton);
    ASSERT_EQ(desktop.processes.size(), 1u);
    EXPECT_EQ(desktop.processes[0].program, QStringLiteral("/usr/bin/xchm"));
    EXPECT_EQ(desktop.processes[0].arguments,
              QStringList{dir.file(QStringLiteral("帮助/Korvel自动选号器帮助.chm"))});
    EXPECT_EQ(desktop.startedPrograms, QStringList{dir.file(QStringLiteral("软件演示"))});
    EXPECT_TRUE(desktop.messages.empty());
}

namespace {

bool loadable(const QString &locale)
{
    const locale_t loaded = newlocale(LC_ALL_MASK, locale.toLocal8Bit().constData(), locale_t(nullptr));
    if (loaded)
        freelocale(loaded);
    return loaded != nullptr;
}

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment
{
public:
    void set(const char *name, const QByteArray &value)
    {
        m_old.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        for (auto it = m_old.rbegin(); it != m_old.rend(); ++it) {
            if (it->wasSet)
                qputenv(it->name, it->value);
            else
                qunsetenv(it->name);
        }
    }

private:
    struct Old
    {
        const char *name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Old> m_old;
};

} // namespace

// A Chinese locale the machine lacks makes the viewer greet the player with
// an English warning and its own start page instead of the help.
TEST_F(MainWindowTest, HelpViewerGetsLocalesTheMachineHas)
{
    const QByteArray missing = "zh_CN.UTF-8";
    if (loadable(QString::fromLatin1(missing)))
        GTEST_SKIP() << "this machine has a Chinese locale";
    ScopedEnvironment environment;
    environment.set("LC_MESSAGES", missing);
    environment.set("LC_TIME", missing);
    environment.set("LANG", "xx_YY.UTF-8");
    environment.set("LC_NUMERIC", "C.UTF-8");
    Tfrmmain &w = open();
    desktop.installedPrograms = {QStringLiteral("kchmviewer")};
    QTest::mouseClick(w.btnhelp, Qt::LeftButton);
    ASSERT_EQ(desktop.processes.size(), 1u);
    EXPECT_EQ(desktop.processes[0].program, QStringLiteral("/usr/bin/kchmviewer"));
    const QProcessEnvironment given = desktop.processes[0].environment;
    for (const QString &key : given.keys()) {
        if (key == QLatin1String("LANG") || key.startsWith(QLatin1String("LC_"))) {
            EXPECT_TRUE(loadable(given.value(key)))
                << key.toStdString() << "=" << given.value(key).toStdString();
        }
    }
    EXPECT_FALSE(given.contains(QStringLiteral("LC_MESSAGES")));
    EXPECT_EQ(given.value(QStringLiteral("LANG")), QStringLiteral("C.UTF-8"));
    // The player's own settings that work are passed on as they are.
    EXPECT_EQ(given.value(QStringLiteral("LC_NUMERIC")), QStringLiteral("C.UTF-8"));
    EXPECT_EQ(given.value(QStringLiteral("HOME")), qEnvironmentVariable("HOME"));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(MainWindowTest, HelpWithoutAViewerSaysWhatToInstall)
{
    Tfrmmain &w = open();
    desktop.installedPrograms.clear();
    QTest::mouseClick(w.btnhelp, Qt::LeftButton);
    EXPECT_TRUE(desktop.processes.empty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral(".chm")));
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("xchm")));

    // A viewer that does not start is said too, never silence.
    desktop.messages.clear();
    desktop.installedPrograms = {QStringLiteral("xchm")};
    desktop.processStarts = false;
    QTest::mouseClick(w.btnhelp, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("/usr/bin/xchm")));
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

#include "main_window_fixture.h"

#include "results/result_grid_model.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTest>

class CloseTest : public MainWindowTest
{
protected:
    // The worked examples are single pools: 双色球 33/6 without its blue ball.
    void SetUp() override { dir.writeSinglePoolCatalogue(); }

    Tfrmmain &openWithBet()
    {
        Tfrmmain &w = open();
        w.show();
        for (QLineEdit *box : visibleBoxes())
            box->setText(QString::number(box->x() % 30 + 1));
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
        EXPECT_TRUE(w.resultGrid().grid().hasBets());
        return w;
    }
    QString file() const { return dir.file(QStringLiteral("附属/关闭.txt")); }
};

TEST_F(CloseTest, UnsavedBetsAreAskedAbout)
{
    Tfrmmain &w = openWithBet();
    desktop.answers = {Desktop::Answer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].caption, QStringLiteral("Korvel自动选号器"));
    EXPECT_EQ(desktop.questions[0].text, QStringLiteral("转换后的号码尚未保存，是否保存？"));
    EXPECT_EQ(desktop.questions[0].buttons,
              (QStringList{QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")}));

    // 关闭 asks the same; 不保存 closes.
    desktop.answers = {Desktop::Answer::No};
    QTest::mouseClick(w.btnclose, Qt::LeftButton);
    EXPECT_EQ(desktop.questions.size(), 2u);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(QFile::exists(file()));
}

// The window's own close asks the same; 不保存 closes it.
TEST_F(CloseTest, NotSavingClosesTheWindow)
{
    Tfrmmain &w = openWithBet();
    desktop.answers = {Desktop::Answer::No};
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(desktop.questions.size(), 1u);
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(CloseTest, SaveSavesAndClosesUnlessTheSaveIsCancelled)
{
    Tfrmmain &w = openWithBet();
    desktop.answers = {Desktop::Answer::Yes}; // and the save dialog is cancelled
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(desktop.dialogs.size(), 1u);

    desktop.answers = {Desktop::Answer::Yes};
    desktop.fileAnswers = {file()};
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功保存！")});
}

TEST_F(CloseTest, EmptySavedOrLoadedGridsCloseAtOnce)
{
    Tfrmmain &w = open();
    EXPECT_TRUE(w.close()); // nothing converted

    Tfrmmain &saved = openWithBet();
    desktop.fileAnswers = {file()};
    QTest::mouseClick(saved.btnsave, Qt::LeftButton);
    EXPECT_TRUE(saved.close());

    Tfrmmain &loaded = openWithBet();
    desktop.fileAnswers = {file()};
    QTest::mouseClick(loaded.btnload, Qt::LeftButton);
    EXPECT_TRUE(loaded.close());

    Tfrmmain &cleared = openWithBet();
    QTest::mouseClick(cleared.btnclear, Qt::LeftButton);
    EXPECT_TRUE(cleared.close());
    EXPECT_TRUE(desktop.questions.empty());
}

// Bets cleared away and brought back by undo are still unsaved.
TEST_F(CloseTest, BetsBroughtBackByUndoAreStillUnsaved)
{
    Tfrmmain &w = openWithBet();
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    w.findChild<QAction *>(QStringLiteral("actUndo"))->trigger();
    desktop.answers = {Desktop::Answer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_EQ(desktop.questions.size(), 1u);
}

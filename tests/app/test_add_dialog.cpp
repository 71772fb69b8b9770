#include "../support/app_dir.h"
#include "../support/fake_desktop.h"
#include "app/u_index.h"
#include "catalogue/catalogue_store.h"
#include "ui/radio_group.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AddDialogTest : public ::testing::Test
{
protected:
    void fill(const QString &name, int kind, const QString &total, const QString &count)
    {
        dialog.edtcainame->setText(name);
        dialog.optcaitype->setItemIndex(kind);
        dialog.edtcaisum->setText(total);
        dialog.edtcaisel->setText(count);
    }
    void press()
    {
        desktop.messages.clear();
        QTest::mouseClick(dialog.btnadd, Qt::LeftButton);
    }
    QStringList storedNames() const
    {
        QStringList names;
        for (const CatalogueRow &row : CatalogueStore(dir.cataloguePath()).readAll())
            names << row.name;
        return names;
    }

    FakeDesktop desktop;
    TestAppDir dir;
    Tfrmindex dialog{desktop, dir.folder()};
};

} // namespace

TEST_F(AddDialogTest, LayoutAsDesigned)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("彩票操作"));
    // The designed 168 × 198, and the row of the check box "有后区" below.
    EXPECT_EQ(dialog.size(), QSize(168, 198 + 24));
    EXPECT_EQ(dialog.edtcainame->geometry(), QRect(16, 26, 137, 21));
    EXPECT_EQ(dialog.optcaitype->geometry(), QRect(16, 56, 137, 41));
    EXPECT_EQ(dialog.optcaitype->title(), QStringLiteral("彩票类型："));
    EXPECT_EQ(dialog.optcaitype->itemIndex(), 0);
    EXPECT_EQ(dialog.edtcaisum->geometry(), QRect(16, 120, 57, 21));
    EXPECT_EQ(dialog.edtcaisel->geometry(), QRect(96, 120, 57, 21));
    EXPECT_EQ(dialog.btnadd->geometry(), QRect(16, 160, 57, 25));
    EXPECT_EQ(dialog.btnext->text(), QStringLiteral("关闭"));
    EXPECT_EQ(dialog.edtcainame->nextInFocusChain(), dialog.optcaitype);
}

TEST_F(AddDialogTest, EmptyFieldsAreAskedForOneAtATime)
{
    press();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("请输入彩票名称！！"));
    EXPECT_EQ(desktop.messages[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    dialog.edtcainame->setText(QStringLiteral("新彩"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请输入号码个数！！")});
    dialog.edtcaisel->setText(QStringLiteral("5"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请输入号码总数！")});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(storedNames().size(), 9);
}

TEST_F(AddDialogTest, AddsANewNameAndReportsAPresentOne)
{
    fill(QStringLiteral("双色球"), 0, QStringLiteral("33"), QStringLiteral("6"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("该彩票名称已经存在，请输入其他票名称！")});
    EXPECT_EQ(desktop.messages[0].caption, QStringLiteral("错误"));

    // Letter case makes a new name; blanks are kept as typed.
    fill(QStringLiteral(" Lotto x "), 1, QStringLiteral("10"), QStringLiteral("4"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功添加彩票！")});
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Plain);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const auto rows = CatalogueStore(dir.cataloguePath()).readAll();
    EXPECT_EQ(rows.back().name, QStringLiteral(" Lotto x "));
    EXPECT_EQ(rows.back().kind, QStringLiteral("1"));
    EXPECT_EQ(rows.back().total, QStringLiteral("10"));
    EXPECT_EQ(rows.back().count, QStringLiteral("4"));
    fill(QStringLiteral(" LOTTO X "), 1, QStringLiteral("10"), QStringLiteral("4"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功添加彩票！")});

    // The fields keep what was typed; pressing again finds the name present.
    EXPECT_EQ(dialog.edtcainame->text(), QStringLiteral(" LOTTO X "));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("该彩票名称已经存在，请输入其他票名称！")});
    EXPECT_EQ(storedNames().size(), 11);
}

TEST_F(AddDialogTest, PresentNameIsToldBeforeTheCountsAreReadAndSuccessWhileOpen)
{
    dialog.show();
    for (const char *total : {"abc", "0", "33"}) {
        fill(QStringLiteral("双色球"), 0, QString::fromLatin1(total), QStringLiteral("-1"));
        press();
        EXPECT_EQ(desktop.messageTexts(),
                  QStringList{QStringLiteral("该彩票名称已经存在，请输入其他票名称！")})
            << total;
    }
    fill(QStringLiteral("新彩票"), 0, QStringLiteral("33"), QStringLiteral("6"));
    press();
    ASSERT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功添加彩票！")});
    EXPECT_TRUE(desktop.messages[0].ownerShown); // read over the dialog, which then closes
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(AddDialogTest, LotteriesThatCannotBeServedAreRefusedBeforeStoring)
{
    const struct
    {
        int kind;
        const char *total, *count;
    } refused[]
        = {{0, "33", "0"}, {0, "0", "1"}, {1, "100", "3"}, {0, "5", "6"}, {1, "10", "56"}, {0, "33", "-1"}};
    for (const auto &r : refused) {
        fill(QStringLiteral("新"), r.kind, QString::fromLatin1(r.total), QString::fromLatin1(r.count));
        press();
        ASSERT_EQ(desktop.messages.size(), 1u) << r.total << '/' << r.count;
        EXPECT_EQ(desktop.messages[0].caption, QStringLiteral("错误"));
    }
    fill(QStringLiteral("新"), 0, QStringLiteral("3 3"), QStringLiteral("6"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("'3 3' 不是一个有效的整形值.")});
    fill(QStringLiteral("两\n行"), 0, QStringLiteral("33"), QStringLiteral("6"));
    press();
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(storedNames().size(), 9);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(AddDialogTest, NamesAreStoredLiterally)
{
    const QString hostile = QStringLiteral("x'); drop table 彩票类型表; --");
    fill(hostile, 0, QStringLiteral("33"), QStringLiteral("6"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功添加彩票！")});
    EXPECT_EQ(storedNames().back(), hostile);
    EXPECT_EQ(storedNames().size(), 10);
}

TEST_F(AddDialogTest, BrokenStoreShowsAMessageAndKeepsTheDialogOpen)
{
    QFile file(dir.cataloguePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(2048, 'x'));
    file.close();
    fill(QStringLiteral("新"), 0, QStringLiteral("33"), QStringLiteral("6"));
    press();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("彩票数据库")));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.edtcainame->text(), QStringLiteral("新"));
}

TEST_F(AddDialogTest, CloseCancelsAndBackgroundClickCapturesTheScreen)
{
    dialog.show();
    desktop.fileAnswers.push_back(dir.file(QStringLiteral("附属/dialog.bmp")));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(160, 5));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("附属/dialog.bmp"))));
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].title, QStringLiteral("保存屏幕"));
    QTest::mouseClick(dialog.btnext, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(AddDialogTest, BackZoneFieldsOpenBelowAndAddATwoZoneLottery)
{
    EXPECT_EQ(dialog.chkhouqu->text(), QStringLiteral("有后区"));
    EXPECT_EQ(dialog.chkhouqu->geometry().topLeft(), QPoint(16, 194));
    EXPECT_FALSE(dialog.edthouquname->isVisibleTo(&dialog));
    QTest::mouseClick(dialog.chkhouqu, Qt::LeftButton, {}, QPoint(4, 10));
    ASSERT_TRUE(dialog.chkhouqu->isChecked());
    EXPECT_TRUE(dialog.edthouquname->isVisibleTo(&dialog));
    // The buttons stand below the fields, and the keyboard reaches them last.
    EXPECT_GT(dialog.btnadd->geometry().top(), dialog.edthouqusel->geometry().bottom());
    EXPECT_EQ(dialog.btnext->geometry().top(), dialog.btnadd->geometry().top());
    EXPECT_GE(dialog.height(), dialog.btnadd->geometry().bottom());
    std::vector<QWidget *> chain{dialog.edtcaisel};
    while (chain.size() < 7)
        chain.push_back(chain.back()->nextInFocusChain());
    EXPECT_EQ(chain,
              (std::vector<QWidget *>{dialog.edtcaisel, dialog.chkhouqu, dialog.edthouquname,
                                      dialog.edthouqusum, dialog.edthouqusel, dialog.btnadd, dialog.btnext}));
    EXPECT_EQ(dialog.edthouqusum->geometry().x(), dialog.edtcaisum->geometry().x());
    EXPECT_EQ(dialog.edthouqusel->geometry().x(), dialog.edtcaisel->geometry().x());

    fill(QStringLiteral("新双色球"), 0, QStringLiteral("33"), QStringLiteral("6"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请输入后区名称！！")});
    dialog.edthouquname->setText(QStringLiteral("蓝球"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请输入后区个数！！")});
    dialog.edthouqusel->setText(QStringLiteral("1"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("请输入后区总数！")});
    dialog.edthouqusum->setText(QStringLiteral("100"));
    press();
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{QStringLiteral("彩票“新双色球”的蓝球总数为100，程序只能处理1到99的蓝球总数。")});
    EXPECT_EQ(desktop.messages[0].caption, QStringLiteral("错误"));
    dialog.edthouqusum->setText(QStringLiteral("16"));
    press();
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功添加彩票！")});
    const CatalogueRow added = CatalogueStore(dir.cataloguePath()).readAll().back();
    EXPECT_EQ(lotteryFromRow(added), (LotteryInfo{QStringLiteral("新双色球"), {0, 33, 6, "蓝球", 16, 1}}));

    // Unticked, the back fields keep their text but describe nothing.
    QTest::mouseClick(dialog.chkhouqu, Qt::LeftButton, {}, QPoint(4, 10));
    EXPECT_FALSE(dialog.edthouquname->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.size(), QSize(168, 198 + 24));
    fill(QStringLiteral("单区"), 0, QStringLiteral("33"), QStringLiteral("6"));
    press();
    EXPECT_EQ(lotteryFromRow(CatalogueStore(dir.cataloguePath()).readAll().back()).lottery,
              Lottery(0, 33, 6));
}

#include "main_window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

std::vector<QWidget *> dateAndOptionSet(const Tfrmmain &w)
{
    return {w.comxianhou, w.comyingyang, w.commaikai,  w.comqizhong, w.comnian,     w.comyuei,
            w.comri,      w.comtime,     w.comfangwei, w.lblbagua,   w.lblyingyang, w.lbltimemode,
            w.lbladdress, w.lblnian,     w.lblyuei,    w.lblri,      w.lbltime,     w.lblfangwei};
}

int visibleCount(const Tfrmmain &w, const std::vector<QWidget *> &controls)
{
    int count = 0;
    for (QWidget *control : controls)
        count += control->isVisibleTo(&w) ? 1 : 0;
    return count;
}

} // namespace

TEST_F(MainWindowTest, PairMethodShowsTheDateAndOptionSet)
{
    dir.writeSinglePoolCatalogue();
    Tfrmmain &w = open(); // 双色球, 33/6
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入6个1--33范围内数字（不重复）"));
    EXPECT_EQ(w.lbloricode->text(), QStringLiteral("原始号码：请输入1个1--33范围内数字"));
    EXPECT_EQ(visibleCount(w, dateAndOptionSet(w)), 18);
    EXPECT_FALSE(w.lbloricode->isVisibleTo(&w));
    EXPECT_FALSE(w.edtoricode->isVisibleTo(&w));
}

TEST_F(MainWindowTest, GeneralizedMethodShowsTheInitialNumberInstead)
{
    dir.writeSinglePoolCatalogue();
    Tfrmmain &w = open();
    visibleBoxes()[0]->setText(QStringLiteral("2"));
    pick(w.commode, QStringLiteral("广义阴阳五行修正"));
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("控制量数：请输入6个1--6范围内数字（可以重复）"));
    EXPECT_EQ(w.lbloricode->text(), QStringLiteral("原始号码：请输入1个1--33范围内数字"));
    EXPECT_EQ(visibleCount(w, dateAndOptionSet(w)), 0);
    EXPECT_TRUE(w.lbloricode->isVisibleTo(&w));
    EXPECT_TRUE(w.edtoricode->isVisibleTo(&w));
    EXPECT_EQ(w.edtoricode->geometry().topLeft(), QPoint(16, 28));
    EXPECT_EQ(visibleBoxes()[0]->text(), QStringLiteral("2")); // the boxes are not touched

    w.edtoricode->setText(QStringLiteral("8"));
    pick(w.commode, QStringLiteral("洛书阴跳修正"));
    EXPECT_EQ(visibleCount(w, dateAndOptionSet(w)), 18);
    EXPECT_FALSE(w.edtoricode->isVisibleTo(&w));
    EXPECT_EQ(w.edtoricode->text(), QStringLiteral("8"));
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入6个1--33范围内数字（不重复）"));
}

TEST_F(MainWindowTest, DigitLotteryPromptsFromZero)
{
    Tfrmmain &w = open();
    pick(w.comcainame, QStringLiteral("福彩3D"));
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入3个0--9范围内数字（可以重复）"));
    EXPECT_EQ(w.lbloricode->text(), QStringLiteral("原始号码：请输入1个0--9范围内数字"));
    pick(w.commode, QStringLiteral("广义阴阳五行修正"));
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("控制量数：请输入3个1--3范围内数字（可以重复）"));
    // A new selection returns to the first method.
    pick(w.comcainame, QStringLiteral("排列五"));
    EXPECT_EQ(w.commode->currentText(), QStringLiteral("怪数7修正"));
    EXPECT_EQ(visibleCount(w, dateAndOptionSet(w)), 18);
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入5个0--9范围内数字（可以重复）"));
}

TEST_F(MainWindowTest, TypedMethodNameChangesNothingOnScreen)
{
    Tfrmmain &w = open();
    const QString caption = w.grpcode->title();
    w.commode->setFocus();
    w.commode->lineEdit()->selectAll();
    typeText(w.commode, QStringLiteral("广义阴阳五行修正"));
    EXPECT_EQ(w.commode->currentText(), QStringLiteral("广义阴阳五行修正"));
    EXPECT_EQ(w.grpcode->title(), caption);
    EXPECT_EQ(visibleCount(w, dateAndOptionSet(w)), 18);
    EXPECT_FALSE(w.edtoricode->isVisibleTo(&w));
}

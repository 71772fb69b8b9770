#include "main_window_fixture.h"

#include "results/result_grid_model.h"
#include "ui/radio_group.h"
#include "views/result_grid_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TEST_F(MainWindowTest, OpensWithTheFirstLotteryAndEveryListOnItsDefault)
{
    clock.date = QDate(2026, 3, 9);
    clock.time = QTime(14, 30);
    Tfrmmain &w = open();
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Korvel自动选号器"));

    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("双色球"));
    Lottery ssq{0, 33, 6, "蓝球", 16, 1};
    ssq.frontName = "红球";
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("双色球"), ssq}));
    EXPECT_EQ(w.optcaitype->itemIndex(), 0);
    EXPECT_EQ(w.edtcaisum->text(), QStringLiteral("33+16"));
    EXPECT_EQ(w.edtcaisel->text(), QStringLiteral("6+1"));
    EXPECT_EQ(visibleBoxes().size(), 7u);

    EXPECT_EQ(items(w.comxianhou), (QStringList{QStringLiteral("先天八卦"), QStringLiteral("后天八封")}));
    EXPECT_EQ(w.comyingyang->currentText(), QStringLiteral("阳历"));
    EXPECT_EQ(w.commaikai->currentText(), QStringLiteral("选号时间"));
    EXPECT_EQ(w.comqizhong->count(), 5);
    EXPECT_EQ(w.comqizhong->currentText(), QStringLiteral("买彩地址为起点，开奖地址为终点"));
    EXPECT_EQ(w.comnian->count(), 99);
    EXPECT_EQ(w.comnian->currentText(), QStringLiteral("2025"));
    EXPECT_EQ(w.comyuei->count(), 12);
    EXPECT_EQ(w.comyuei->currentText(), QStringLiteral("03"));
    EXPECT_EQ(w.comri->count(), 31);
    EXPECT_EQ(w.comri->currentText(), QStringLiteral("09"));
    EXPECT_EQ(w.comtime->count(), 24);
    EXPECT_EQ(w.comtime->currentText(), QStringLiteral("14"));
    EXPECT_EQ(items(w.comfangwei).join(u' '), QStringLiteral("东 南 西 北 东南 西南 东北 西北"));
    EXPECT_EQ(w.comfangwei->currentText(), QStringLiteral("东"));
    EXPECT_EQ(w.commode->count(), 20);
    EXPECT_EQ(w.commode->currentText(), QStringLiteral("怪数7修正"));
    EXPECT_EQ(w.commode->itemText(19), QStringLiteral("广义阴阳五行修正"));
    EXPECT_EQ(w.grpcode->title(),
              QStringLiteral("原始号码：请输入6个1--33范围内数字（不重复）＋蓝球1个1--16"));
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
}

TEST_F(MainWindowTest, DayListAlwaysHoldsThirtyOneDays)
{
    clock.date = QDate(2026, 1, 31);
    clock.time = QTime(0, 5);
    Tfrmmain &w = open();
    EXPECT_EQ(w.comri->currentText(), QStringLiteral("31"));
    EXPECT_EQ(w.comtime->currentText(), QStringLiteral("00"));
    clock.date = QDate(2026, 2, 28);
    w.FormCreate();
    EXPECT_EQ(w.comri->count(), 31);
    EXPECT_EQ(w.comri->currentText(), QStringLiteral("28"));
    EXPECT_EQ(w.comyuei->currentText(), QStringLiteral("02"));
}

TEST_F(MainWindowTest, YearOutsideTheListLeavesItEmpty)
{
    for (const QDate date : {QDate(2000, 6, 1), QDate(2001, 6, 1), QDate(2101, 6, 1)}) {
        clock.date = date;
        Tfrmmain &w = open();
        EXPECT_EQ(w.comnian->count(), 99);
        EXPECT_EQ(w.comnian->currentIndex(), -1) << date.year();
        EXPECT_EQ(w.comnian->currentText(), QString()) << date.year();
        // The rest of the start-up went on.
        EXPECT_EQ(w.commode->count(), 20);
        EXPECT_EQ(w.comyuei->currentText(), QStringLiteral("06"));
    }
    clock.date = QDate(2100, 6, 1);
    EXPECT_EQ(open().comnian->currentText(), QStringLiteral("2099"));
}

TEST_F(MainWindowTest, StartUpRunTwiceFillsEveryListOnce)
{
    Tfrmmain &w = open();
    pick(w.comcainame, QStringLiteral("福彩3D"));
    pick(w.commode, QStringLiteral("广义阴阳五行修正"));
    w.comfangwei->setCurrentIndex(3);
    clock.date = QDate(2027, 7, 4);
    w.FormCreate();
    w.FormCreate();
    EXPECT_EQ(w.comcainame->count(), 9);
    EXPECT_EQ(w.comxianhou->count(), 2);
    EXPECT_EQ(w.comqizhong->count(), 5);
    EXPECT_EQ(w.comnian->count(), 99);
    EXPECT_EQ(w.comtime->count(), 24);
    EXPECT_EQ(w.comfangwei->count(), 8);
    EXPECT_EQ(w.commode->count(), 20);
    EXPECT_EQ(w.comfangwei->currentText(), QStringLiteral("东"));
    EXPECT_EQ(w.commode->currentText(), QStringLiteral("怪数7修正"));
    EXPECT_EQ(w.comnian->currentText(), QStringLiteral("2026"));
    EXPECT_EQ(w.comyuei->currentText(), QStringLiteral("07"));
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("双色球"));
    EXPECT_EQ(visibleBoxes().size(), 7u);
    EXPECT_TRUE(w.comnian->isVisibleTo(&w));
    EXPECT_FALSE(w.edtoricode->isVisibleTo(&w));
}

TEST_F(MainWindowTest, ControlsStandAtTheirDesignPlaces)
{
    Tfrmmain &w = open();
    EXPECT_EQ(w.size(), QSize(685, 531));
    EXPECT_EQ(w.grpcaipiao->geometry(), QRect(12, 48, 441, 73));
    EXPECT_EQ(w.grpgaigua->geometry(), QRect(12, 128, 441, 65));
    EXPECT_EQ(w.grpshikong->geometry(), QRect(12, 200, 441, 65));
    EXPECT_EQ(w.grpcode->geometry(), QRect(12, 272, 441, 42));
    EXPECT_EQ(w.imglogo->geometry(), QRect(472, 48, 193, 177));
    EXPECT_EQ(w.GroupBox1->geometry(), QRect(472, 232, 193, 129));
    EXPECT_EQ(w.GroupBox2->geometry(), QRect(472, 376, 193, 113));
    EXPECT_EQ(w.comcainame->geometry(), QRect(16, 32, 105, 21));
    EXPECT_EQ(w.commode->geometry(), QRect(304, 28, 121, 21));
    EXPECT_EQ(w.edtoricode->geometry(), QRect(16, 28, 54, 21));
    EXPECT_EQ(w.btnindex->geometry(), QRect(102, 88, 75, 25));
    EXPECT_EQ(w.btnclose->geometry(), QRect(104, 75, 73, 25));
    EXPECT_EQ(w.btnadd->text(), QStringLiteral("转换号码"));
    EXPECT_FALSE(w.optcaitype->isEnabled());
    EXPECT_FALSE(w.edtcaisum->isEnabled());
    EXPECT_TRUE(w.comcainame->isEditable());
    // Every control is found by its name.
    for (const char *name :
         {"comnian", "comyuei", "comri", "comtime", "comfangwei", "commode", "btnsave", "btnload", "btnprint",
          "btnclear", "btnhelp", "btnabout", "btnyanshi", "grdcode", "lblweb2", "Label6", "pan", "imggif"})
        EXPECT_NE(w.findChild<QWidget *>(QLatin1String(name)), nullptr) << name;
}

TEST_F(MainWindowTest, KeyboardOrderFollowsTheGroups)
{
    Tfrmmain &w = open();
    std::vector<QWidget *> expected{w.grdcode};
    for (QLineEdit *box : w.originalNumberBoxes())
        expected.push_back(box);
    const QList<QWidget *> rest{w.comcainame, w.comxianhou, w.comyingyang, w.commaikai, w.comqizhong,
                                w.edtoricode, w.comnian,    w.comfangwei,  w.comyuei,   w.comri,
                                w.commode,    w.comtime,    w.btnadd,      w.btnsave,   w.btnload,
                                w.btnprint,   w.btnindex,   w.btnclear,    w.btnhelp,   w.btnabout,
                                w.btnyanshi,  w.btnclose};
    expected.insert(expected.end(), rest.begin(), rest.end());
    // Walk the focus chain once round and keep the controls of interest.
    std::vector<QWidget *> order;
    QWidget *widget = w.grdcode;
    do {
        if (std::find(expected.begin(), expected.end(), widget) != expected.end()
            && std::find(order.begin(), order.end(), widget) == order.end())
            order.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != w.grdcode);
    EXPECT_EQ(order, expected);
}

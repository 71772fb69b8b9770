// What a player sees of the windows beyond their contents: Chinese from Qt
// too, the keyboard order, the banner strip, the lists, the grid's shape.
#include "main_window_fixture.h"

#include "ui/qt_desktop.h"

#include "../support/loopback_server.h"
#include "app/chinese_ui.h"
#include "base/gbk.h"
#include "results/result_grid_model.h"
#include "ui/click_label.h"
#include "views/result_grid_view.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

int pixelsOf(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    }
    return count;
}

} // namespace

class WindowDetailTest : public MainWindowTest
{
protected:
    Tfrmmain &openShown()
    {
        Tfrmmain &w = open();
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
};

TEST(ChineseUi, QtsOwnTextsAndTheLocaleAreChineseAndCaptionsCarryNoSuffix)
{
    ASSERT_TRUE(speakChinese(*qApp)) << "Qt's Chinese translations (qt6-translations-l10n) are missing";
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
    QLineEdit box;
    box.setText(QStringLiteral("12"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (const QAction *entry : menu->actions())
        entries << entry->text();
    EXPECT_TRUE(entries.join(u' ').contains(QStringLiteral("复制"))) << entries.join(u' ').toStdString();
    EXPECT_EQ(QLocale().language(), QLocale::Chinese);

    // Qt adds an application display name to every caption; none is set,
    // so the name shown follows the plain application name.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
}

TEST_F(WindowDetailTest, KeyboardOrderStartsAtTheGridAndTabLeavesIt)
{
    Tfrmmain &w = openShown();
    EXPECT_EQ(QApplication::focusWidget(), w.grdcode);
    QTest::keyClick(w.grdcode, Qt::Key_Tab);
    ASSERT_FALSE(w.originalNumberBoxes().empty());
    EXPECT_EQ(QApplication::focusWidget(), w.originalNumberBoxes().front());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w.grdcode);
}

TEST_F(WindowDetailTest, BannerStripPaintsItsOwnPanelAndAReadableClose)
{
    // A picture of one transparent pixel, stretched over the whole strip.
    const std::string transparent("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                                  "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00"
                                  "\x00\x02\x02\x44\x01\x00;",
                                  43);
    LoopbackServer server([&](const std::string &, int) { return LoopbackServer::ok(transparent); });
    banner.address = server.address();
    Tfrmmain &w = openShown();
    // The download runs beside the window; the strip shows once it is in.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.bannerPending(); }, 10000));
    ASSERT_TRUE(w.pan->isVisible());
    const QImage strip = w.grab(w.pan->geometry()).toImage();
    // The red title lies beneath the strip; not one of its pixels shows.
    int red = 0;
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const QColor c = strip.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
        }
    }
    EXPECT_EQ(red, 0);
    EXPECT_GT(pixelsOf(strip, w.pan->palette().color(QPalette::Window)), strip.width() * strip.height() / 2);

    const QImage close = w.grab(QRect(w.Panel1->mapTo(&w, QPoint(0, 0)), w.Panel1->size())).toImage();
    const QColor shadow = w.palette().color(QPalette::Shadow);
    const QColor windowColour = w.palette().color(QPalette::Window);
    EXPECT_EQ(close.pixelColor(1, 1).rgb(), shadow.rgb());
    EXPECT_GT(pixelsOf(close, windowColour), 20);                          // the "×" itself
    EXPECT_GT(qAbs(qGray(shadow.rgb()) - qGray(windowColour.rgb())), 100); // light on dark
}

TEST_F(WindowDetailTest, NumberBoxesStandInsideTheFrameOfTheirGroup)
{
    Tfrmmain &w = openShown();
    const std::vector<QLineEdit *> boxes = visibleBoxes();
    ASSERT_EQ(boxes.size(), 7u); // 双色球 with its blue ball
    // Between the last two boxes, right of the caption, only the frame's top
    // and bottom lines differ from the window's colour.
    const QImage group = w.grpcode->grab().toImage();
    const int x = boxes[boxes.size() - 2]->geometry().right() + 3;
    const QColor background = w.grpcode->palette().color(QPalette::Window);
    std::vector<int> lines;
    for (int y = 0; y < group.height(); ++y) {
        if (group.pixelColor(x, y).rgb() != background.rgb())
            lines.push_back(y);
    }
    ASSERT_GE(lines.size(), 2u);
    for (const QLineEdit *box : boxes) {
        EXPECT_GT(box->geometry().top(), lines.front());
        EXPECT_LT(box->geometry().bottom(), lines.back());
    }
}

// 选择彩票's ninth lottery and 修正方法's twentieth method are in sight when
// their lists open; a longer list gets a scroll bar.
TEST_F(WindowDetailTest, EveryListShowsAllItsEntriesOrAScrollBar)
{
    Tfrmmain &w = openShown();
    ASSERT_EQ(w.comcainame->count(), 9);
    ASSERT_EQ(w.commode->count(), 20);
    for (QComboBox *list : w.findChildren<QComboBox *>()) {
        if (list->count() == 0)
            continue;
        list->showPopup();
        QAbstractItemView *popup = list->view();
        const int rows = popup->viewport()->height() / popup->sizeHintForRow(0);
        EXPECT_TRUE(rows >= list->count() || popup->verticalScrollBar()->isVisible())
            << list->objectName().toStdString() << ": " << rows << " of " << list->count();
        list->hidePopup();
    }
}

// Undo is 撤销 in the number boxes' menu as in the grid's, and both show its key.
TEST_F(WindowDetailTest, TextBoxAndGridMenusNameUndoAlikeWithItsKey)
{
    Tfrmmain &w = openShown();
    QLineEdit *box = visibleBoxes()[0];
    QStringList entries;
    QTimer::singleShot(0, [&entries] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *entry : menu->actions())
                entries << entry->text();
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &event);
    const QString undoKey = QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText);
    EXPECT_TRUE(entries.contains(QStringLiteral("撤销(&U)\t") + undoKey)) << entries.join(u'|').toStdString();
    QAction *undo = w.findChild<QAction *>(QStringLiteral("actUndo"));
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->text(), QStringLiteral("撤销"));
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_TRUE(undo->isShortcutVisibleInContextMenu());
}

TEST_F(WindowDetailTest, RoutesAreToldApartInTheirPopupAndShowTheirStart)
{
    Tfrmmain &w = openShown();
    QComboBox *routes = w.comqizhong;
    EXPECT_EQ(routes->lineEdit()->cursorPosition(), 0);
    pick(routes, QStringLiteral("家住地址为起点，买彩地址为终点"));
    EXPECT_EQ(routes->lineEdit()->cursorPosition(), 0);

    routes->showPopup();
    QAbstractItemView *popup = routes->view();
    EXPECT_EQ(popup->textElideMode(), Qt::ElideNone);
    int longest = 0;
    for (int i = 0; i < routes->count(); ++i)
        longest = std::max(longest, popup->fontMetrics().horizontalAdvance(routes->itemText(i)));
    EXPECT_GE(popup->viewport()->width(), longest);
    EXPECT_GT(popup->width(), routes->width());
    routes->hidePopup();
}

TEST_F(WindowDetailTest, EachNewBetComesIntoSightBelowTheRowsAbove)
{
    Tfrmmain &w = openShown();
    const auto boxes = visibleBoxes();
    for (int bet = 0; bet < 12; ++bet) {
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(QString::number((bet + static_cast<int>(i)) % 16 + 1));
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
    }
    const int last = w.resultGrid().rowCount() - 1;
    ASSERT_EQ(last, 11);
    const QRect place = w.grdcode->visualRect(w.resultGrid().index(last, 0));
    EXPECT_TRUE(w.grdcode->viewport()->rect().contains(place)) << place.y();
}

TEST_F(WindowDetailTest, ClearedGridRepaintsItsCornerAndLoadsFitTheClientWidth)
{
    Tfrmmain &w = openShown();
    for (QLineEdit *box : visibleBoxes())
        box->setText(QStringLiteral("5"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    auto *corner = w.grdcode->findChild<QAbstractButton *>();
    ASSERT_NE(corner, nullptr);
    PaintCounter counter;
    corner->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0); // the stale "序号" is painted over
    EXPECT_EQ(w.resultGrid().grid().cell(0, 0), "");

    // Twenty rows of six: the vertical scroll bar shows, the columns still fit.
    // (A lottery of its own: the listed 双色球 has a back zone, which the
    // load would point out.)
    std::string file = "六个号码\r\n0\r\n33\r\n6\r\n20\r\n";
    for (int row = 0; row < 20; ++row)
        file += "123456\r\n";
    const QString path = dir.file(QStringLiteral("附属/二十注.txt"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromStdString(utf8ToGbk(file)));
    out.close();
    desktop.fileAnswers.push_back(path);
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    ASSERT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
    QApplication::processEvents();
    EXPECT_TRUE(w.grdcode->verticalScrollBar()->isVisible());
    EXPECT_FALSE(w.grdcode->horizontalScrollBar()->isVisible());
}

TEST_F(WindowDetailTest, LargerWindowGrowsTheGridAndKeepsTheButtonsBesideIt)
{
    Tfrmmain &w = openShown();
    const QSize design = w.size();
    EXPECT_EQ(w.grdcode->geometry(), QRect(12, 336, 441, 153));
    EXPECT_EQ(w.GroupBox1->geometry(), QRect(472, 232, 193, 129));

    w.resize(design + QSize(200, 120));
    EXPECT_EQ(w.grdcode->geometry(), QRect(12, 336, 641, 273));
    EXPECT_EQ(w.GroupBox1->geometry(), QRect(672, 232, 193, 129));
    EXPECT_EQ(w.GroupBox2->geometry(), QRect(672, 376, 193, 113));
    EXPECT_EQ(w.imglogo->geometry(), QRect(672, 48, 193, 177));
    EXPECT_EQ(w.grpcode->geometry(), QRect(12, 272, 441, 42));

    w.resize(design);
    EXPECT_EQ(w.grdcode->geometry(), QRect(12, 336, 441, 153));
    EXPECT_EQ(w.GroupBox2->geometry(), QRect(472, 376, 193, 113));
}

// Qt's file dialogs get every filter a dialog offers, each named with its
// patterns: the draw files' "所有文件" as well as their "文本文件".
TEST(FileDialogFilters, EveryFilterReachesQtsDialog)
{
    EXPECT_EQ(qtFileFilter(QStringLiteral("文本文件(*.txt)|*.txt|所有文件(*.*)|*.*")),
              QStringLiteral("文本文件(*.txt);;所有文件(*.*)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("PNG图片|*.png")), QStringLiteral("PNG图片 (*.png)"));
}

#include "main_window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>

Tfrmmain &MainWindowTest::open()
{
    window = std::make_unique<Tfrmmain>(MainServices{desktop, clock, dir.folder(), banner});
    return *window;
}

void MainWindowTest::pick(QComboBox *list, const QString &entry)
{
    const int index = list->findText(entry, Qt::MatchExactly);
    ASSERT_GE(index, 0) << entry.toStdString();
    pickAt(list, index);
}

void MainWindowTest::pickAt(QComboBox *list, int index)
{
    // As a player does: open the list and click the entry.
    list->showPopup();
    QAbstractItemView *view = list->view();
    const QModelIndex entry = view->model()->index(index, list->modelColumn());
    view->scrollTo(entry);
    // An entry wider than the popup is clicked where it shows.
    const QRect place = view->visualRect(entry);
    const QPoint point(std::min(place.center().x(), view->viewport()->width() / 2), place.center().y());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    ASSERT_FALSE(view->isVisible());
}

QStringList MainWindowTest::items(const QComboBox *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

std::vector<QLineEdit *> MainWindowTest::visibleBoxes() const
{
    std::vector<QLineEdit *> boxes;
    for (QLineEdit *box : window->grpcode->findChildren<QLineEdit *>()) {
        if (box->isVisibleTo(window.get()))
            boxes.push_back(box);
    }
    std::sort(boxes.begin(), boxes.end(), [](QLineEdit *a, QLineEdit *b) { return a->x() < b->x(); });
    return boxes;
}

void MainWindowTest::typeText(QWidget *control, const QString &text)
{
    // QTest::keyClicks knows only ASCII; a key event may carry any text.
    QWidget *target = control->focusProxy() ? control->focusProxy() : control;
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        target = list->lineEdit();
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &release);
    }
}

std::string MainWindowTest::cells(const Tfrmmain &w, int row)
{
    std::string text;
    const ResultGrid &grid = w.resultGrid().grid();
    for (int column = 0; column < grid.columnCount(); ++column)
        text += (column ? " " : "") + std::string(grid.cell(column, row));
    return text;
}

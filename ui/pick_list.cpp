#include "ui/pick_list.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

PickList::PickList(QWidget *parent)
    : QComboBox(parent)
{
    // The open list reports a pick by its container's itemSelected signal,
    // after the list has taken the entry. The container is Qt's private
    // class, so the signal is reached by name, through a hidden action.
    auto *relay = new QAction(this);
    connect(view()->parentWidget(), SIGNAL(itemSelected(QModelIndex)), relay, SLOT(trigger()));
    connect(relay, &QAction::triggered, this, [this] { picked(); });
}

void PickList::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Opening the drop-down takes the focus only for a while.
    if (event->reason() != Qt::PopupFocusReason && onLeave)
        onLeave();
}

void PickList::keyPressEvent(QKeyEvent *event)
{
    const int before = currentIndex();
    QComboBox::keyPressEvent(event);
    // Enter also moves the list to a typed name; only the arrows pick.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (currentIndex() != before)
            picked();
        break;
    default:
        break;
    }
}

void PickList::wheelEvent(QWheelEvent *event)
{
    const int before = currentIndex();
    QComboBox::wheelEvent(event);
    if (currentIndex() != before)
        picked();
}

void PickList::showPopup()
{
    if (onOpen)
        onOpen();
    QComboBox::showPopup();
}

void PickList::picked()
{
    if (onPick)
        onPick();
}

void showEveryEntry(QComboBox *list)
{
    list->setMaxVisibleItems(std::clamp(list->count(), 1, kMostShownEntries));
    // Styles that open the list like a menu scroll it by arrows that only
    // show at its edges; a list longer than what is shown gets a bar.
    list->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

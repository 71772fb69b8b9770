#pragma once

#include <QScreen>
#include <QWidget>

// Puts a window that stands beside the main window over the middle of it,
// within the screen, the first time it is shown.
inline void centreOverParent(QWidget *window)
{
    const QWidget *over = window->parentWidget();
    if (!over || window->isVisible())
        return;
    QRect place(QPoint(), window->size());
    place.moveCenter(over->geometry().center());
    if (const QScreen *screen = over->screen()) {
        const QRect area = screen->availableGeometry();
        place.moveLeft(
            std::clamp(place.left(), area.left(), std::max(area.left(), area.right() - place.width())));
        place.moveTop(
            std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() - place.height())));
    }
    window->move(place.topLeft());
}

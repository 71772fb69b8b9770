#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// Where a window of `size` that stands beside the main window (its frame
// `main`) goes on the screen's free `area`: right of it, else left of it,
// where the screen has room, so that the grid's highlights stay in sight;
// else against the area's right edge, level with the main window's middle,
// covering the buttons on the main window's right before the grid on its
// left. Always within the area where it fits.
inline QPoint placeBeside(const QRect &main, const QSize &size, const QRect &area)
{
    constexpr int kGap = 8; // the window's own frame, not yet known
    QRect place(QPoint(), size);
    place.moveCenter(main.center());
    const int right = main.x() + main.width() + kGap;
    const int left = main.x() - kGap - size.width();
    if (right + size.width() <= area.x() + area.width())
        place.moveLeft(right);
    else if (left >= area.x())
        place.moveLeft(left);
    else
        place.moveRight(area.right());
    place.moveLeft(
        std::clamp(place.left(), area.left(), std::max(area.left(), area.right() - place.width())));
    place.moveTop(std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() - place.height())));
    return place.topLeft();
}

// How wide a window that stands beside the main window (its frame `main`)
// may be on the screen's free `area`, wanting `wanted` and useful from
// `least`: the wider room right or left of the main window where that
// holds `least`; else the room right of the main window's first `keep`
// pixels (its grid), which placeBeside then leaves in sight; only where
// even that is narrower than `least`, the area's width. Never wider than
// wanted.
inline int widthBeside(const QRect &main, int wanted, int least, int keep, const QRect &area)
{
    constexpr int kGap = 8; // as placeBeside
    const int right = area.x() + area.width() - (main.x() + main.width() + kGap);
    const int left = main.x() - kGap - area.x();
    int room = std::max(right, left);
    if (room < least)
        room = area.x() + area.width() - (main.x() + keep + kGap);
    if (room < least)
        room = area.width();
    return std::min(wanted, room);
}

// Places a window that stands beside the main window as placeBeside says,
// each time it is shown from hidden; a window in sight stays where the
// player put it.
inline void placeBesideParent(QWidget *window)
{
    const QWidget *over = window->parentWidget();
    if (!over || window->isVisible())
        return;
    const QScreen *screen = over->screen();
    const QRect area
        = screen ? screen->availableGeometry() : over->frameGeometry().united(window->geometry());
    window->move(placeBeside(over->frameGeometry(), window->size(), area));
}

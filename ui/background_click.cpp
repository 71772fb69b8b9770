#include "ui/background_click.h"

#include <QMouseEvent>
#include <QWidget>

BackgroundClick::BackgroundClick(QWidget *window, std::function<void()> onClick)
    : QObject(window)
    , m_window(window)
    , m_onClick(std::move(onClick))
{
    window->installEventFilter(this);
}

bool BackgroundClick::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    const auto onBackground = [this](QEvent *e) {
        auto *mouse = static_cast<QMouseEvent *>(e);
        const QPoint position = mouse->position().toPoint();
        return mouse->button() == Qt::LeftButton && m_window->rect().contains(position)
               && m_window->childAt(position) == nullptr;
    };
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = onBackground(event);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const bool click = m_pressed && onBackground(event);
        m_pressed = false;
        if (click)
            m_onClick();
    }
    return false;
}

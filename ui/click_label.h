#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>

// A label that answers a click, for the web-site links.
class ClickLabel : public QLabel
{
public:
    using QLabel::QLabel;

    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) {
            onClick();
            return;
        }
        QLabel::mouseReleaseEvent(event);
    }
};

#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Calls `onClick` when the left button is pressed and released on the bare
// background of `window`, not on any control or group inside it.
class BackgroundClick : public QObject
{
public:
    BackgroundClick(QWidget *window, std::function<void()> onClick);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void()> m_onClick;
    bool m_pressed = false;
};

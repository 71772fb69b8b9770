#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Desktop;
class QWidget;

// The application's title: the main window's caption and the caption of the
// default error box.
QString applicationTitle();

// Runs one handler. An error it raises is shown the way the application's
// default handler shows errors (its text, a "." added when the text ends in a
// character after ".", the application title as caption, an error icon) and
// the rest of the handler is skipped. Nothing escapes into Qt's event loop.
// Returns false when the handler ended on an error.
bool runGuarded(Desktop &desktop, QWidget *owner, const std::function<void()> &handler);

// Wires a signal to a window's handler, run inside the guard above: an error
// the handler raises is shown, never lost.
template<typename Sender, typename Signal, typename Window>
void connectGuarded(Desktop &desktop, Sender *sender, Signal signal, Window *window,
                    void (Window::*handler)())
{
    QObject::connect(sender, signal, window, [&desktop, window, handler] {
        runGuarded(desktop, window, [window, handler] { (window->*handler)(); });
    });
}

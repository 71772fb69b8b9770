#pragma once

#include <functional>

class Desktop;
class QWidget;

// Runs one handler. An error it raises is shown the way the application's
// default handler shows errors (its text, a "." added when the text ends in a
// character after ".", the application title as caption, an error icon) and
// the rest of the handler is skipped. Nothing escapes into Qt's event loop.
// Returns false when the handler ended on an error.
bool runGuarded(Desktop &desktop, QWidget *owner, const std::function<void()> &handler);

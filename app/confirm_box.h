#pragma once

#include <QString>

class Desktop;
class QWidget;

// Asks before something is undone for good: a question box with the
// buttons `yes` and "取消", run through the desktop so tests can answer it.
// True when the player pressed `yes`.
bool confirmed(Desktop &desktop, QWidget *owner, const QString &caption, const QString &text,
               const QString &yes);

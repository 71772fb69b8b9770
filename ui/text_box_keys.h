#pragma once

#include <QObject>

class QWidget;

// The undo and redo keys of a window whose own undo (the result grid's)
// stands beside the text boxes' undo: Ctrl+Z and Ctrl+Y reach the window's
// actions wherever the focus is, except in a text box that has something
// of its own to undo or redo. The text boxes' menus call their undo 撤销, as
// the window's menus do, and show the key of each entry.
class TextBoxKeys : public QObject
{
public:
    // Watches the text boxes of `window`, now and later ones; lives as long
    // as the window.
    explicit TextBoxKeys(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

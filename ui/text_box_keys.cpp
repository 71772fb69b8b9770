#include "ui/text_box_keys.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace {

bool isRedoKey(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Redo) || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

// A text box's own entries, as Qt names them (translated), with the keys
// that do the same.
struct MenuEntry
{
    const char *qtText;
    QKeySequence::StandardKey key;
    const char16_t *text; // nullptr: Qt's own text
};

const MenuEntry kEntries[] = {
    {"&Undo", QKeySequence::Undo, u"撤销(&U)"}, {"&Redo", QKeySequence::Redo, u"重做(&R)"},
    {"Cu&t", QKeySequence::Cut, nullptr},       {"&Copy", QKeySequence::Copy, nullptr},
    {"&Paste", QKeySequence::Paste, nullptr},   {"Select All", QKeySequence::SelectAll, nullptr},
};

// Qt's translation calls undo 撤消 where the window's menus say 撤销, and
// Qt leaves out the key of an entry whose key the window also uses (the
// grid's 撤销, 复制): each entry shows its key, as the grid's menu does.
void nameEntries(QMenu &menu)
{
    for (QAction *action : menu.actions()) {
        for (const MenuEntry &entry : kEntries) {
            QString text = action->text().section(QLatin1Char('\t'), 0, 0);
            if (text != QCoreApplication::translate("QLineEdit", entry.qtText))
                continue;
            if (entry.text)
                text = QString::fromUtf16(entry.text);
            action->setText(text + QLatin1Char('\t')
                            + QKeySequence(entry.key).toString(QKeySequence::NativeText));
        }
    }
}

} // namespace

TextBoxKeys::TextBoxKeys(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

bool TextBoxKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::ContextMenu)
        return false;
    // A list with a text line takes the keys itself and hands them to the
    // line directly, past any filter.
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (auto *list = qobject_cast<QComboBox *>(watched); list && type == QEvent::ShortcutOverride)
        box = list->lineEdit();
    if (!box || box->window() != m_window)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Left unaccepted, the key goes on to the window's shortcuts.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool passUndo = key->matches(QKeySequence::Undo) && !box->isUndoAvailable();
        const bool passRedo = isRedoKey(key) && !box->isRedoAvailable();
        if (passUndo || passRedo) {
            event->ignore();
            return true;
        }
        return false;
    }
    // A box with a menu of its own keeps it.
    if (box->contextMenuPolicy() != Qt::DefaultContextMenu)
        return false;
    // The menu belongs to the box, which may go while the menu is open.
    const QPointer<QMenu> menu = box->createStandardContextMenu();
    nameEntries(*menu);
    menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    delete menu.data();
    return true;
}

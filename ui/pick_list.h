#pragma once

#include <QComboBox>

#include <functional>

// A drop-down list with an editable text line whose handler runs only when
// the player picks an entry: with the mouse or the keyboard in the open
// list, or with the arrow keys or the wheel on the closed one. Qt's own
// `activated` fires as well when the text line loses the focus or gets Enter
// while it holds a listed name; typing a name is no pick.
class PickList : public QComboBox
{
public:
    explicit PickList(QWidget *parent = nullptr);

    std::function<void()> onPick;
    // Runs before the list opens, so that its owner may fill it first.
    std::function<void()> onOpen;
    void showPopup() override;
    // Runs when the text line loses the focus to anything but the list's
    // own drop-down: a name typed and left there is no pick, and the line
    // should not go on showing it as if it were.
    std::function<void()> onLeave;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void picked();
};

// How many entries a drop-down shows at once: every entry of a list this
// long or shorter, and a scroll bar beyond.
inline constexpr int kMostShownEntries = 20;

// Lets the drop-down of `list` show every entry, up to kMostShownEntries,
// with a scroll bar (not the style's easily missed arrows) for the rest.
// Call it before the drop-down opens.
void showEveryEntry(QComboBox *list);

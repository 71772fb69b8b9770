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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void picked();
};

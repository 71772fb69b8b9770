#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A framed choice of items laid out in columns, read and set by item index
// (-1 when none is chosen).
class RadioGroup : public QGroupBox
{
public:
    RadioGroup(const QStringList &items, int columns, QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);

private:
    QButtonGroup *m_buttons;
};

#include "ui/radio_group.h"
#include "ui/group_frame.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(parent)
    , m_buttons(new QButtonGroup(this))
{
    plainFrame(this);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        layout->addWidget(button, i / columns, i % columns);
    }
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    // No item of that index: none is chosen.
    m_buttons->setExclusive(false);
    for (QAbstractButton *other : m_buttons->buttons())
        other->setChecked(false);
    m_buttons->setExclusive(true);
}

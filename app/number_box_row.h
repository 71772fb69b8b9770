#pragma once

#include "base/lottery.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

// The row of original-number boxes: one box a number of the lottery, placed
// in the group around them, the back zone's boxes tinted and named by their
// zone. Typing a full number moves the focus to the next box, a box reached
// so swallows one Tab (and while empty one Enter) pressed before anything
// is typed into it, and Enter in the last box asks for a conversion.
class NumberBoxRow : public QObject
{
public:
    // `generalized` tells whether the generalized method is chosen: its
    // control quantities are shorter than the lottery's numbers.
    NumberBoxRow(QWidget *group, std::function<bool()> generalized);

    // New boxes for the lottery, in the group as it is sized now.
    void reshape(const Lottery &lottery);

    const std::vector<QLineEdit *> &boxes() const { return m_boxes; }
    std::vector<std::string> texts() const;

    // Enter pressed in the last box.
    std::function<void()> onConvert;

private:
    void watch();

    QWidget *m_group;
    std::function<bool()> m_generalized;
    Lottery m_lottery;
    std::vector<QLineEdit *> m_boxes;
};

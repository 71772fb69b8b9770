#pragma once

#include "wheels/compose_plan.h"

#include <QGroupBox>

#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;

// The balls of one zone (or one position of a digit lottery) as buttons in a
// grid: a click moves a ball through 选, 胆 and 杀 and back to none, each with
// a look of its own. The line below takes typed numbers ("01 05 12",
// "胆:03 拖:07 09") when the player presses Enter.
class BallBoard : public QGroupBox
{
public:
    BallBoard(const QString &title, int lowest, int highest, bool back, QWidget *parent = nullptr);

    const std::vector<BallMark> &marks() const { return m_marks; }
    ZoneChoice choice() const { return zoneChoice(m_marks, m_lowest); }
    // The numbers marked 选 or 胆, ascending.
    std::vector<int> chosen() const;
    void clearMarks();

    QPushButton *ball(int number) const;
    QLineEdit *typedNumbers() const { return m_typed; }

    // After any mark changed.
    std::function<void()> onChange;
    // A typed line that is no list of this zone's numbers, in a sentence.
    std::function<void(const QString &)> onRefused;

private:
    void setMark(size_t index, BallMark mark);
    void applyTyped();

    int m_lowest;
    bool m_digits;
    std::vector<BallMark> m_marks;
    std::vector<QPushButton *> m_balls;
    QLineEdit *m_typed = nullptr;
};

#include "app/compose/ball_board.h"

#include "base/two_digit.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kBallsPerRow = 10;

// The looks of the four marks; the back zone's plain balls are tinted blue
// as on the ticket.
QString ballStyle(BallMark mark, bool back)
{
    switch (mark) {
    case BallMark::Chosen:
        return back ? QStringLiteral("background:#2f6fd6;color:white;font-weight:bold;")
                    : QStringLiteral("background:#d63a2f;color:white;font-weight:bold;");
    case BallMark::Banker:
        return QStringLiteral("background:#f2b01e;color:black;font-weight:bold;border:2px solid #8a5a00;");
    case BallMark::Killed:
        return QStringLiteral("background:#d8d8d8;color:#8a8a8a;text-decoration:line-through;");
    case BallMark::None:
        break;
    }
    return back ? QStringLiteral("background:#e3ecfb;color:#1d4f9c;")
                : QStringLiteral("background:#fbe9e7;color:#9c2a1d;");
}

QString markTip(BallMark mark)
{
    switch (mark) {
    case BallMark::Chosen:
        return QStringLiteral("选");
    case BallMark::Banker:
        return QStringLiteral("胆");
    case BallMark::Killed:
        return QStringLiteral("杀");
    case BallMark::None:
        break;
    }
    return QStringLiteral("未选（点击：选→胆→杀）");
}

} // namespace

BallBoard::BallBoard(const QString &title, int lowest, int highest, bool back, QWidget *parent)
    : QGroupBox(title, parent)
    , m_lowest(lowest)
    , m_digits(lowest == 0)
    , m_marks(static_cast<size_t>(highest - lowest + 1), BallMark::None)
{
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    for (int number = lowest; number <= highest; ++number) {
        const size_t index = static_cast<size_t>(number - lowest);
        auto *button = new QPushButton(
            m_digits ? QString::number(number) : QString::fromStdString(twoDigit(number)), this);
        button->setObjectName(QStringLiteral("ball%1").arg(number));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFixedSize(30, 24);
        button->setProperty("back", back);
        connect(button, &QPushButton::clicked, this,
                [this, index] { setMark(index, nextMark(m_marks[index])); });
        grid->addWidget(button, static_cast<int>(index) / kBallsPerRow,
                        static_cast<int>(index) % kBallsPerRow);
        m_balls.push_back(button);
        setMark(index, BallMark::None);
    }
    column->addLayout(grid);
    m_typed = new QLineEdit(this);
    m_typed->setObjectName(QStringLiteral("edtTyped"));
    m_typed->setPlaceholderText(QStringLiteral("输入号码后按回车，如 01 05 12 或 胆:03 拖:07 09"));
    connect(m_typed, &QLineEdit::returnPressed, this, &BallBoard::applyTyped);
    column->addWidget(m_typed);
}

std::vector<int> BallBoard::chosen() const
{
    const ZoneChoice c = choice();
    std::vector<int> numbers = c.bankers;
    numbers.insert(numbers.end(), c.others.begin(), c.others.end());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void BallBoard::clearMarks()
{
    for (size_t i = 0; i < m_marks.size(); ++i)
        setMark(i, BallMark::None);
    if (onChange)
        onChange();
}

QPushButton *BallBoard::ball(int number) const
{
    const int index = number - m_lowest;
    return index >= 0 && index < static_cast<int>(m_balls.size()) ? m_balls[static_cast<size_t>(index)]
                                                                  : nullptr;
}

void BallBoard::setMark(size_t index, BallMark mark)
{
    m_marks[index] = mark;
    QPushButton *button = m_balls[index];
    button->setChecked(mark != BallMark::None);
    button->setStyleSheet(ballStyle(mark, button->property("back").toBool()));
    button->setToolTip(markTip(mark));
    if (onChange)
        onChange();
}

void BallBoard::applyTyped()
{
    const int highest = m_lowest + static_cast<int>(m_marks.size()) - 1;
    const Outcome<std::vector<BallMark>> typed
        = parseZoneText(m_typed->text().toStdString(), m_lowest, highest);
    if (!typed.accepted()) {
        if (onRefused)
            onRefused(QString::fromStdString(typed.refusal()));
        return;
    }
    // One notice for the whole row, not one a ball.
    const std::function<void()> notify = std::exchange(onChange, nullptr);
    for (size_t i = 0; i < m_marks.size(); ++i)
        setMark(i, typed.value()[i]);
    onChange = notify;
    if (onChange)
        onChange();
}

#include "app/number_box_row.h"

#include "app/box_geometry.h"
#include "engine/prompts.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QTimer>

namespace {

// The back zone's boxes are tinted blue, as its balls are on the tickets,
// so the zones are told apart at a glance.
void tintBackBox(QLineEdit *box, const QString &zoneName)
{
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, QColor(204, 226, 255));
    box->setPalette(colours);
    box->setToolTip(zoneName);
}

// Selects a box's text when it gains focus, so typing replaces it. A box
// reached by typing a full number swallows one Tab pressed before anything
// is typed into it, so a player used to ending each number with Tab does not
// skip a box; while empty, it swallows one Enter the same way, so a player
// used to Enter does not convert from the last box before typing its number.
// An Enter in a last box that still holds a number converts at once.
class BoxKeys : public QObject
{
public:
    using QObject::QObject;

    // The box was just reached by typing a full number into the one before.
    void markAdvanced() { m_advanced = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (!box)
            return false;
        // The selection waits for the click that gave the focus to place
        // its cursor; keys typed meanwhile (fast typing) must not be
        // selected and then overwritten, so a box that changed keeps them.
        if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, box, [box, before = box->text()] {
                if (box->text() == before)
                    box->selectAll();
            });
        }
        if (event->type() == QEvent::KeyPress) {
            const bool advanced = m_advanced;
            m_advanced = false;
            const int key = static_cast<QKeyEvent *>(event)->key();
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            if (advanced && (key == Qt::Key_Tab || (enter && box->text().isEmpty())))
                return true;
        }
        return false;
    }

private:
    bool m_advanced = false;
};

bool allDigits(const QString &text)
{
    bool digits = !text.isEmpty();
    for (const QChar c : text)
        digits = digits && c.isDigit();
    return digits;
}

} // namespace

NumberBoxRow::NumberBoxRow(QWidget *group, std::function<bool()> generalized)
    : QObject(group)
    , m_group(group)
    , m_generalized(std::move(generalized))
{}

void NumberBoxRow::reshape(const Lottery &lottery)
{
    // A box may be the one an event is being delivered to (a click that
    // gives it the focus): it leaves the view now and is deleted later.
    for (QLineEdit *box : m_boxes) {
        box->hide();
        box->deleteLater();
    }
    m_boxes.clear();
    m_lottery = lottery;
    const int count = lottery.numberCount();
    for (int i = 0; i < count; ++i) {
        auto *box = new QLineEdit(m_group);
        box->setObjectName(QStringLiteral("box%1").arg(i));
        box->setGeometry(boxGeometry(i, count, m_group->width(), m_group->height()));
        if (i >= lottery.count)
            tintBackBox(box, QString::fromStdString(lottery.backName));
        box->show();
        m_boxes.push_back(box);
    }
    watch();
}

std::vector<std::string> NumberBoxRow::texts() const
{
    std::vector<std::string> result;
    result.reserve(m_boxes.size());
    for (const QLineEdit *box : m_boxes)
        result.push_back(box->text().toStdString());
    return result;
}

void NumberBoxRow::watch()
{
    std::vector<BoxKeys *> keys;
    for (QLineEdit *box : m_boxes) {
        keys.push_back(new BoxKeys(box));
        box->installEventFilter(keys.back());
    }
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        QLineEdit *box = m_boxes[i];
        QLineEdit *next = i + 1 < m_boxes.size() ? m_boxes[i + 1] : nullptr;
        BoxKeys *nextKeys = next ? keys[i + 1] : nullptr;
        connect(box, &QLineEdit::textEdited, this, [this, i, next, nextKeys](const QString &text) {
            if (next && allDigits(text) && text.size() >= boxDigits(m_lottery, m_generalized(), i)) {
                next->setFocus(Qt::TabFocusReason);
                nextKeys->markAdvanced();
            }
        });
        if (!next)
            connect(box, &QLineEdit::returnPressed, this, [this] {
                if (onConvert)
                    onConvert();
            });
    }
}

#include "ui/group_frame.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

namespace {

const char *const kCaptionOnFrame = "korvelCaptionOnFrame";

class GroupFrameStyle : public QProxyStyle
{
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !box || !widget || !widget->property(kCaptionOnFrame).toBool())
            return QProxyStyle::subControlRect(control, option, part, widget);
        const int line = option->fontMetrics.height();
        switch (part) {
        case SC_GroupBoxFrame:
            return option->rect.adjusted(0, line / 2, 0, 0);
        case SC_GroupBoxLabel:
            return {option->rect.left() + 8, option->rect.top(),
                    option->fontMetrics.horizontalAdvance(box->text), line};
        case SC_GroupBoxContents:
            return option->rect.adjusted(1, line, -1, -1);
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !box || !(box->subControls & SC_GroupBoxFrame)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
        QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
        if (box->text.isEmpty()) {
            // Where Qt's own style draws a frame without a caption.
            frame.setTop(frame.top() + 3);
        } else {
            // The line stops two pixels short of the caption on either side.
            caption.adjust(-2, 0, 2, 0);
        }
        painter->save();
        painter->setClipRegion(QRegion(option->rect).subtracted(caption));
        painter->setRenderHint(QPainter::Antialiasing);
        if (widget && widget->property(kCaptionOnFrame).toBool()) {
            // A line only, as the caption straddles it.
            painter->setPen(option->palette.color(QPalette::Mid));
            painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        } else {
            // The shades of Qt's own picture: a light line round a faint tint.
            const QColor window = option->palette.color(QPalette::Window);
            painter->setPen(window.darker(111));
            painter->setBrush(window.darker(102));
            painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        }
        painter->restore();
        QStyleOptionGroupBox rest = *box;
        rest.subControls &= ~SC_GroupBoxFrame;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
    }
};

// One style for every group, made with the application and gone with it.
QStyle *groupFrameStyle()
{
    static QPointer<GroupFrameStyle> style;
    if (!style) {
        style = new GroupFrameStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

void plainFrame(QGroupBox *group)
{
    group->setStyle(groupFrameStyle());
}

void putCaptionOnFrame(QGroupBox *group)
{
    group->setProperty(kCaptionOnFrame, true);
    plainFrame(group);
}

#pragma once

#include "ui/design_font.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>

#include <initializer_list>

// A label of fixed place and size, transparent over what lies beneath. Its
// text is plain: a caption read from a file shows "<h1>" as typed.
inline QLabel *fixedLabel(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// The colour of a widget's text.
inline void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Bold italic text of the given face and pixel height and colour.
inline void styleLabel(QLabel *label, const QString &face, int pixels, const QColor &colour)
{
    QFont font = designFont(face, pixels);
    font.setBold(true);
    font.setItalic(true);
    label->setFont(font);
    setTextColour(label, colour);
}

// One of a column of caption lines: where the label goes and its design caption.
struct CaptionLine
{
    QLabel **label;
    const char *name;
    const char *caption;
    int top;
};

// A column of bold italic caption lines of one face, size, width and colour.
inline void captionLines(QWidget *parent, std::initializer_list<CaptionLine> lines, int left, int width,
                         const QColor &colour)
{
    for (const CaptionLine &line : lines) {
        *line.label = fixedLabel(parent, line.name, QString::fromUtf8(line.caption),
                                 QRect(left, line.top, width, 16));
        styleLabel(*line.label, QStringLiteral("MS Sans Serif"), 13, colour);
    }
}

#pragma once

#include <QLabel>
#include <QString>

// A label of fixed place and size, transparent over what lies beneath.
inline QLabel *fixedLabel(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// Bold italic text of the given face and pixel height and colour.
inline void styleLabel(QLabel *label, const QString &face, int pixels, const QString &colour)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
}

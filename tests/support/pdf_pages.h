#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

// The number of pages in a PDF file Qt wrote; -1 when it cannot be read.
inline int pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

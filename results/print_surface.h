#pragma once

#include <QSize>
#include <QString>

// What the printout is drawn on: a printer, a preview or, in tests, a
// recording. Coordinates are device pixels of the printable area; texts are
// placed by their top-left corner. Any failure throws AppError.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    virtual void begin() = 0;
    // Width and height of the printable area.
    virtual QSize pageSize() const = 0;
    // A size in points on paper, at the device's vertical resolution.
    virtual void setFont(const QString &face, int points, bool bold, bool italic) = 0;
    virtual int textWidth(const QString &text) = 0;
    virtual void drawText(int x, int y, const QString &text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void newPage() = 0;
    virtual void end() = 0;
    // Gives up the document begun, so nothing of it is printed.
    virtual void abort() = 0;
};

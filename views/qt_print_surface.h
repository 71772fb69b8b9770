#pragma once

#include "results/print_surface.h"

#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;
class QTemporaryDir;

// The printout on a QPrinter: a real printer, a PDF file or a preview.
class QtPrintSurface : public PrintSurface
{
public:
    explicit QtPrintSurface(QPrinter *printer);
    ~QtPrintSurface() override;

    void begin() override;
    QSize pageSize() const override;
    void setFont(const QString &face, int points, bool bold, bool italic) override;
    int textWidth(const QString &text) override;
    void drawText(int x, int y, const QString &text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void newPage() override;
    void end() override;
    void abort() override;

    // For pages drawn as pictures rather than lines of text; valid between
    // begin() and end().
    QPainter &painter() { return m_painter; }

private:
    QPrinter *m_printer;
    QPainter m_painter;
    // A PDF file is drawn into a temporary file first and moved into place
    // whole once the document is complete, so a failing disk is noticed
    // and never leaves half a document under the player's name.
    QString m_target;
    std::unique_ptr<QTemporaryDir> m_staging;
};

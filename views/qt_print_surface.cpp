#include "views/qt_print_surface.h"
#include "ui/file_edge.h"

#include "base/app_error.h"
#include "base/file_io.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

QtPrintSurface::QtPrintSurface(QPrinter *printer)
    : m_printer(printer)
{}

QtPrintSurface::~QtPrintSurface() = default;

void QtPrintSurface::begin()
{
    if (m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty()) {
        m_staging = std::make_unique<QTemporaryDir>();
        if (!m_staging->isValid())
            throw AppError("无法准备打印文件");
        m_target = m_printer->outputFileName();
        m_printer->setOutputFileName(m_staging->filePath(QStringLiteral("printout.pdf")));
    }
    if (!m_painter.begin(m_printer))
        throw AppError("无法开始打印");
    m_painter.setPen(QPen(Qt::black, 0));
}

QSize QtPrintSurface::pageSize() const
{
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).size();
}

void QtPrintSurface::setFont(const QString &face, int points, bool bold, bool italic)
{
    QFont font(face);
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    m_painter.setFont(font);
}

int QtPrintSurface::textWidth(const QString &text)
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

void QtPrintSurface::drawText(int x, int y, const QString &text)
{
    m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

void QtPrintSurface::drawLine(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

void QtPrintSurface::newPage()
{
    if (!m_printer->newPage())
        throw AppError("无法开始新的一页");
}

void QtPrintSurface::end()
{
    if (!m_painter.end())
        throw AppError("无法结束打印");
    if (m_staging) {
        const QString staged = m_printer->outputFileName();
        m_printer->setOutputFileName(m_target);
        const std::string bytes = readFile(nativePath(staged));
        if (bytes.empty())
            throw AppError("打印文件是空的");
        writeFileAtomically(nativePath(m_target), bytes);
        m_staging.reset();
    }
}

void QtPrintSurface::abort()
{
    m_printer->abort();
    if (m_painter.isActive())
        m_painter.end();
    // An unfinished PDF stays in the staging folder, which goes with it.
    if (m_staging) {
        m_printer->setOutputFileName(m_target);
        m_staging.reset();
    }
}

#pragma once

#include "results/print_surface.h"

#include <QString>

#include <vector>

// Records every drawing call, page by page. Text width is 10 pixels a
// character, so centring can be checked.
class RecordingSurface : public PrintSurface
{
public:
    struct Text
    {
        int x, y;
        QString text;
        QString face;
        int points;
        bool bold, italic;
    };
    struct Line
    {
        int x1, y1, x2, y2;
    };
    struct Page
    {
        std::vector<Text> texts;
        std::vector<Line> lines;
    };

    explicit RecordingSurface(QSize size)
        : m_size(size)
    {}

    void begin() override
    {
        ++begun;
        pages.emplace_back();
    }
    QSize pageSize() const override { return m_size; }
    void setFont(const QString &face, int points, bool bold, bool italic) override
    {
        m_face = face;
        m_points = points;
        m_bold = bold;
        m_italic = italic;
    }
    int textWidth(const QString &text) override { return 10 * static_cast<int>(text.size()); }
    void drawText(int x, int y, const QString &text) override
    {
        pages.back().texts.push_back({x, y, text, m_face, m_points, m_bold, m_italic});
    }
    void drawLine(int x1, int y1, int x2, int y2) override { pages.back().lines.push_back({x1, y1, x2, y2}); }
    void newPage() override { pages.emplace_back(); }
    void end() override { ++ended; }
    void abort() override { ++aborted; }

    // The first text on a page that equals `text`, or nullptr.
    const Text *find(size_t page, const QString &text) const
    {
        for (const Text &t : pages.at(page).texts) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }

    std::vector<Page> pages;
    int begun = 0;
    int ended = 0;
    int aborted = 0;

private:
    QSize m_size;
    QString m_face;
    int m_points = 0;
    bool m_bold = false;
    bool m_italic = false;
};

#include "history/next_issue.h"

#include <algorithm>

namespace {

// The decimal text of `value`, zeros before it to make `width` digits.
std::string padded(long long value, size_t width)
{
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

// The year of a "YYYY-MM-DD" date, or 0.
int yearOf(const std::string &date)
{
    if (date.size() < 4)
        return 0;
    int year = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (date[i] < '0' || date[i] > '9')
            return 0;
        year = year * 10 + (date[i] - '0');
    }
    return year;
}

} // namespace

std::string nextIssue(const std::string &last, const std::string &today)
{
    const auto key = issueKey(last);
    if (!key)
        return {};
    // "2026093": a year of four digits, the draw of the year in three; "26093" the same with
    // the year in two.
    const bool longForm
        = last.size() == 7 && (last.compare(0, 2, "19") == 0 || last.compare(0, 2, "20") == 0);
    if (!longForm && last.size() != 5)
        return padded(static_cast<long long>(*key) + 1, last.size());
    const int year = static_cast<int>(*key / 1000);
    const int draw = static_cast<int>(*key % 1000);
    const int thisYear = yearOf(today);
    int nextYear = year;
    int nextDraw = draw + 1;
    if (thisYear > year || nextDraw > 999) {
        nextYear = std::max(thisYear, year + 1);
        nextDraw = 1;
    }
    const long long nextKey = static_cast<long long>(nextYear) * 1000 + nextDraw;
    return longForm ? padded(nextKey, 7) : padded(nextKey % 100000, 5);
}

std::string proposedIssue(const std::vector<Draw> &draws, const std::string &today)
{
    const Draw *newest = nullptr;
    for (const Draw &draw : draws) {
        const auto key = issueKey(draw.issue);
        if (key && (!newest || *key > *issueKey(newest->issue)))
            newest = &draw;
    }
    return newest ? nextIssue(newest->issue, today) : std::string();
}

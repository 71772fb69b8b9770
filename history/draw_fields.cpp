#include "history/draw_fields.h"

#include "base/two_digit.h"

#include <algorithm>

namespace {

bool isDigits(std::string_view text)
{
    return !text.empty()
           && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The three numbers of "2026-02-01", "2026/2/1", "2026.02.01" or
// "2026年2月1日"; nothing when the field has no such separators.
std::optional<std::array<int, 3>> separatedDate(std::string field)
{
    for (std::string_view separator : {"年", "月", "日"}) {
        for (size_t at = field.find(separator); at != std::string::npos; at = field.find(separator))
            field.replace(at, separator.size(), "-");
    }
    std::replace(field.begin(), field.end(), '/', '-');
    std::replace(field.begin(), field.end(), '.', '-');
    if (field.find('-') == std::string::npos)
        return std::nullopt;
    if (field.back() == '-')
        field.pop_back();
    std::array<int, 3> parts{0, 0, 0};
    size_t start = 0;
    for (int index = 0; index < 3; ++index) {
        const size_t end = index == 2 ? field.size() : field.find('-', start);
        const std::string part = field.substr(start, end == std::string::npos ? 0 : end - start);
        if (end == std::string::npos || !isDigits(part) || part.size() > 4)
            return std::array<int, 3>{0, 0, 0};
        parts[static_cast<size_t>(index)] = std::stoi(part);
        start = end + 1;
    }
    return parts;
}

} // namespace

std::string issueOf(std::string field)
{
    if (field.rfind("第", 0) == 0)
        field.erase(0, std::string_view("第").size());
    const std::string_view qi = "期";
    if (field.size() >= qi.size() && field.compare(field.size() - qi.size(), qi.size(), qi) == 0)
        field.erase(field.size() - qi.size());
    return field;
}

bool isWeekday(std::string_view field)
{
    for (std::string_view open : {"(", "（"}) {
        if (field.substr(0, open.size()) == open)
            field.remove_prefix(open.size());
    }
    for (std::string_view close : {")", "）"}) {
        if (field.size() >= close.size() && field.substr(field.size() - close.size()) == close)
            field.remove_suffix(close.size());
    }
    for (std::string_view prefix : {"星期", "周", "礼拜"}) {
        if (field.substr(0, prefix.size()) == prefix)
            field.remove_prefix(prefix.size());
    }
    static constexpr std::array<std::string_view, 8> days = {"一", "二", "三", "四", "五", "六", "日", "天"};
    return std::find(days.begin(), days.end(), field) != days.end();
}

bool validDate(int year, int month, int day)
{
    static constexpr int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return year >= 1900 && year <= 2999 && month >= 1 && month <= 12 && day >= 1
           && day <= days[month - 1] - (month == 2 && !leap ? 1 : 0);
}

std::optional<std::string> dateOf(std::string field, bool &isDate)
{
    for (std::string_view bracket : {"(", "（"}) {
        const size_t at = field.find(bracket);
        if (at != std::string::npos && at > 0)
            field.erase(at);
    }
    std::array<int, 3> parts{0, 0, 0};
    if (isDigits(field) && field.size() == 8) {
        parts = {std::stoi(field.substr(0, 4)), std::stoi(field.substr(4, 2)), std::stoi(field.substr(6, 2))};
        isDate = validDate(parts[0], parts[1], parts[2]);
    } else if (const auto separated = separatedDate(field)) {
        parts = *separated;
        isDate = true;
    }
    if (!isDate || !validDate(parts[0], parts[1], parts[2]))
        return std::nullopt;
    return std::to_string(parts[0]) + "-" + twoDigit(parts[1]) + "-" + twoDigit(parts[2]);
}

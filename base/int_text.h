#pragma once

#include <optional>
#include <string_view>

// Strict decimal integer text: an optional '+' or '-', then one or more ASCII
// digits, within 32-bit range, and nothing else (no blanks).
std::optional<int> parseInt(std::string_view text);

// As parseInt, but a text that is no integer throws AppError with
// "'%s' 不是一个有效的整形值".
int strToIntChecked(std::string_view text);

// The same, with the texts of one or two digits that number boxes and lists
// hold read on the spot: a conversion reads a dozen of them.
inline int strToInt(std::string_view text)
{
    const auto digit = [](char c) { return static_cast<unsigned>(c - '0'); };
    if (text.size() == 1 && digit(text[0]) <= 9)
        return static_cast<int>(digit(text[0]));
    if (text.size() == 2 && digit(text[0]) <= 9 && digit(text[1]) <= 9)
        return static_cast<int>(digit(text[0]) * 10 + digit(text[1]));
    return strToIntChecked(text);
}

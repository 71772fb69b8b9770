#pragma once

#include <optional>
#include <string_view>

// Strict decimal integer text: an optional '+' or '-', then one or more ASCII
// digits, within 32-bit range, and nothing else (no blanks).
std::optional<int> parseInt(std::string_view text);

// As parseInt, but a text that is no integer throws AppError with
// "'%s' 不是一个有效的整形值".
int strToInt(std::string_view text);

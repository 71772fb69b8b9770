#pragma once

#include <stdexcept>
#include <string>

// The one error type of the program. Its text (UTF-8) is what the player sees
// in the error box; every handler's guard catches it.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const std::string &message);
};

// "'%s' 不是一个有效的整形值" with the offending text, as a message quotes
// it, in place of %s.
[[noreturn]] void throwNotAnInteger(std::string_view text);

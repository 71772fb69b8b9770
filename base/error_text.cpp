#include "base/error_text.h"

std::string errorBoxText(std::string_view message)
{
    std::string text(message);
    if (text.empty())
        return text;
    // Any byte of a multi-byte UTF-8 character is above 0x7F, so the last
    // byte decides as well as the whole last character would.
    const auto last = static_cast<unsigned char>(text.back());
    if (last > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

#include "base/error_text.h"

#include <array>

std::string errorBoxText(std::string_view message)
{
    std::string text(message);
    if (text.empty())
        return text;
    // A sentence that already ends in a Chinese full stop, exclamation or
    // question mark is finished; another "." would only double it.
    static constexpr std::array<std::string_view, 3> kSentenceEnds{"。", "！", "？"};
    for (const std::string_view end : kSentenceEnds) {
        if (text.ends_with(end))
            return text;
    }
    // Any byte of a multi-byte UTF-8 character is above 0x7F, so the last
    // byte decides as well as the whole last character would.
    const auto last = static_cast<unsigned char>(text.back());
    if (last > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

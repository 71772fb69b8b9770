#include "base/quoted_text.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr std::string_view kEllipsis = "…";

// Decodes one UTF-8 character at `text`; `length` is 0 for a byte that
// starts no well-formed character (it is then shown as \xNN).
char32_t decode(std::string_view text, std::size_t &length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    length = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    std::size_t need = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        need = 2, value = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        need = 3, value = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        need = 4, value = lead & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < need)
        return 0;
    for (std::size_t i = 1; i < need; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        value = value << 6 | (byte(i) & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    length = need;
    return value;
}

// Characters that would act on the text rather than show: C0 and C1
// controls, DEL, and the marks that reorder or hide what follows them.
bool actsInvisibly(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F)
           || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

std::string escape(char32_t c)
{
    switch (c) {
    case '\0':
        return "\\0";
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    default:
        break;
    }
    char buffer[16];
    if (c < 0x80)
        std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(c));
    else
        std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
    return buffer;
}

std::string shown(std::string_view text, std::size_t maxCharacters, std::size_t maxLines)
{
    std::string result;
    std::size_t characters = 0;
    std::size_t lines = 1;
    while (!text.empty()) {
        std::size_t length = 0;
        const char32_t c = decode(text, length);
        std::string piece;
        std::size_t width = 1;
        if (length == 0) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned char>(text[0]));
            piece = buffer;
            width = piece.size();
            length = 1;
        } else if (c == '\n' && maxLines > 1) {
            if (++lines > maxLines) {
                result += kEllipsis;
                return result;
            }
            piece = "\n";
        } else if (actsInvisibly(c)) {
            piece = escape(c);
            width = piece.size();
        } else {
            piece = std::string(text.substr(0, length));
        }
        if (characters + width > maxCharacters) {
            result += kEllipsis;
            return result;
        }
        characters += width;
        result += piece;
        text.remove_prefix(length);
    }
    return result;
}

} // namespace

std::string quotedText(std::string_view utf8, std::size_t maxCharacters)
{
    return shown(utf8, maxCharacters, 1);
}

std::string boundedMessage(std::string_view utf8, std::size_t maxCharacters, std::size_t maxLines)
{
    return shown(utf8, maxCharacters, maxLines);
}

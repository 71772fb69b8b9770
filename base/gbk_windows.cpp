#include "base/gbk.h"

#include <windows.h>

// The Windows side of the codec: the system's own code page 936 (GBK), the
// one the players' files were written in on Windows all along.

namespace {

constexpr UINT kGbk = 936;

std::string utf8FromWide(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string output(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), output.data(), length,
                        nullptr, nullptr);
    return output;
}

// Decodes GBK bytes that are all valid; false when the system refuses any.
bool decodeStrict(std::string_view gbk, std::wstring &output)
{
    if (gbk.empty())
        return true;
    const int size = static_cast<int>(gbk.size());
    const int length = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    const size_t start = output.size();
    output.resize(start + static_cast<size_t>(length));
    MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), size, output.data() + start, length);
    return true;
}

bool isLead(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool isTrail(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// The length of the valid UTF-8 character at the start of `text`, or 0.
size_t utf8Length(std::string_view text)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

void appendGbk(const std::string &utf8, std::string &output)
{
    if (utf8.empty())
        return;
    const int size = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), wideLength);
    const int length
        = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, nullptr, 0, "?", nullptr);
    const size_t start = output.size();
    output.resize(start + static_cast<size_t>(length));
    WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, output.data() + start, length,
                        "?", nullptr);
}

} // namespace

std::string utf8ToGbk(std::string_view utf8)
{
    std::string output;
    output.reserve(utf8.size());
    std::string run; // valid UTF-8 not yet converted
    while (!utf8.empty()) {
        const size_t length = utf8Length(utf8);
        if (length > 0) {
            run.append(utf8.substr(0, length));
            utf8.remove_prefix(length);
            continue;
        }
        // A bad sequence: one "?" for its lead byte and the continuation
        // bytes after it.
        appendGbk(run, output);
        run.clear();
        output += '?';
        utf8.remove_prefix(1);
        while (!utf8.empty() && (static_cast<unsigned char>(utf8.front()) & 0xC0) == 0x80)
            utf8.remove_prefix(1);
    }
    appendGbk(run, output);
    return output;
}

std::string gbkToUtf8(std::string_view gbk)
{
    std::wstring text;
    if (decodeStrict(gbk, text))
        return utf8FromWide(text);
    // Some bytes are no GBK: character by character, each bad byte U+FFFD.
    text.clear();
    while (!gbk.empty()) {
        const auto lead = static_cast<unsigned char>(gbk.front());
        if (lead < 0x80) {
            text += static_cast<wchar_t>(lead);
            gbk.remove_prefix(1);
            continue;
        }
        if (isLead(lead) && gbk.size() >= 2 && isTrail(static_cast<unsigned char>(gbk[1]))
            && decodeStrict(gbk.substr(0, 2), text)) {
            gbk.remove_prefix(2);
            continue;
        }
        text += L'\xFFFD';
        gbk.remove_prefix(1);
    }
    return utf8FromWide(text);
}

std::string utf16ToUtf8(std::string_view utf16, bool littleEndian)
{
    // A lone surrogate or an odd last byte becomes U+FFFD, as on Linux; a
    // bad unit is passed over whole, so the rest stays aligned.
    constexpr wchar_t kReplacement = 0xFFFD;
    std::wstring units;
    units.reserve(utf16.size() / 2 + 1);
    for (size_t at = 0; at + 1 < utf16.size(); at += 2) {
        const auto low = static_cast<unsigned char>(utf16[littleEndian ? at : at + 1]);
        const auto high = static_cast<unsigned char>(utf16[littleEndian ? at + 1 : at]);
        units.push_back(static_cast<wchar_t>(high << 8 | low));
    }
    for (size_t i = 0; i < units.size(); ++i) {
        const bool lead = units[i] >= 0xD800 && units[i] <= 0xDBFF;
        const bool trail = units[i] >= 0xDC00 && units[i] <= 0xDFFF;
        if (lead && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
            ++i;
        else if (lead || trail)
            units[i] = kReplacement;
    }
    if (utf16.size() % 2 != 0)
        units.push_back(kReplacement);
    return utf8FromWide(units);
}

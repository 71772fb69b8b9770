#include "base/gbk.h"

#include "base/app_error.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

class Converter
{
public:
    Converter(const char *to, const char *from)
        : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw AppError("无法转换 GBK 文本。");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts all of the input; a bad input sequence is skipped one byte at a
    // time and replaced by `replacement`.
    std::string run(std::string_view input, std::string_view replacement, bool utf8Input, size_t unit = 1)
    {
        std::string output;
        output.reserve(input.size() * 3 / 2 + 4);
        char buffer[4096];
        char *in = const_cast<char *>(input.data());
        size_t inLeft = input.size();
        while (inLeft > 0) {
            char *out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(m_cd, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<size_t>(out - buffer));
            if (result != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (truncated sequence at the end): replace one byte.
            // From UTF-8 a whole character is skipped, so one unmappable
            // character gives one replacement.
            output.append(replacement);
            const size_t skipped = std::min(unit, inLeft);
            in += skipped;
            inLeft -= skipped;
            while (utf8Input && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                ++in;
                --inLeft;
            }
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string utf8ToGbk(std::string_view utf8)
{
    Converter converter("GBK", "UTF-8");
    return converter.run(utf8, "?", true);
}

std::string gbkToUtf8(std::string_view gbk)
{
    Converter converter("UTF-8", "GBK");
    return converter.run(gbk, "\xEF\xBF\xBD", false);
}

std::string utf16ToUtf8(std::string_view utf16, bool littleEndian)
{
    // A lone surrogate or an odd last byte becomes U+FFFD, as a bad GBK
    // byte does; a bad unit is passed over whole, so the rest stays aligned.
    Converter converter("UTF-8", littleEndian ? "UTF-16LE" : "UTF-16BE");
    return converter.run(utf16, "\xEF\xBF\xBD", false, 2);
}

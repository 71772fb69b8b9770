// The strict integer text: accepted texts print back to themselves (but for
// a sign and leading zeros), everything else is refused with the message
// that quotes it.
#include "base/app_error.h"
#include "base/int_text.h"
#include "base/quoted_text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const auto value = parseInt(text);
    try {
        const int strict = strToInt(text);
        if (!value || strict != *value)
            __builtin_trap();
        std::string digits = text;
        if (!digits.empty() && (digits[0] == '+' || digits[0] == '-'))
            digits.erase(0, 1);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
        const std::string printed = std::to_string(strict < 0 ? -static_cast<long long>(strict) : strict);
        if (printed != digits)
            __builtin_trap();
    } catch (const AppError &error) {
        // The text stands quoted: cut short, a NUL and other controls escaped.
        const std::string expected = "'" + quotedText(text) + "' 不是一个有效的整形值";
        if (value || std::string(error.what()) != expected)
            __builtin_trap();
    }
    return 0;
}

#include "engine/digit_pair.h"

#include "base/app_error.h"

namespace {

std::uint8_t digitAt(std::string_view text, size_t index)
{
    if (index >= text.size())
        throwNotAnInteger({});
    const char c = text[index];
    if (c < '0' || c > '9')
        throwNotAnInteger(text.substr(index, 1));
    return static_cast<std::uint8_t>(c - '0');
}

} // namespace

DigitPair DigitPair::fromText(std::string_view text)
{
    const std::uint8_t t = digitAt(text, 0);
    const std::uint8_t u = digitAt(text, 1);
    return DigitPair{t, u};
}

std::string DigitPair::text() const
{
    return std::string{static_cast<char>('0' + tens), static_cast<char>('0' + units)};
}

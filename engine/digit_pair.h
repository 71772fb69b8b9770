#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A number held as two decimal digits, tens first. The conversion works on
// these throughout; they are checked once when made from text, so the
// arithmetic never meets a character that is no digit.
struct DigitPair
{
    std::uint8_t tens = 0;
    std::uint8_t units = 0;

    static constexpr DigitPair fromDigits(int t, int u)
    {
        return DigitPair{static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(u)};
    }
    // The first two characters of a text such as "07" or "0-5". A character
    // that is no decimal digit (or is missing) throws AppError
    // "'%s' 不是一个有效的整形值" naming that character.
    static DigitPair fromText(std::string_view text);
    // The pair of the two-digit form of an integer (see twoDigit).
    static DigitPair fromValue(int value);

    constexpr int value() const { return tens * 10 + units; }
    std::string text() const;

    friend constexpr bool operator==(DigitPair, DigitPair) = default;
};

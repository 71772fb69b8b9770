#pragma once

#include "base/app_error.h"

#include <bit>
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
    // The pair of the two-digit form of an integer (see twoDigit), read off
    // the number itself: "0" and the digit below 10, the two leading digits
    // of a longer number, and for a negative number ("0-5") the minus sign,
    // which is no digit.
    static constexpr DigitPair fromValue(int value)
    {
        if (value < 0)
            throwNotAnInteger("-");
        while (value >= 100)
            value /= 10;
        return fromDigits(value / 10, value % 10);
    }

    constexpr int value() const { return tens * 10 + units; }
    std::string text() const;

    // Both digits at once: the repeat checks compare pairs many times.
    friend constexpr bool operator==(DigitPair a, DigitPair b)
    {
        return std::bit_cast<std::uint16_t>(a) == std::bit_cast<std::uint16_t>(b);
    }
};

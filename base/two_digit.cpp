#include "base/two_digit.h"

std::string twoDigit(int value)
{
    std::string text = std::to_string(value);
    if (value < 10)
        text.insert(0, 1, '0');
    return text;
}

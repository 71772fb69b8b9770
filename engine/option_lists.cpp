#include "engine/option_lists.h"

#include "base/two_digit.h"

namespace {

std::vector<std::string> twoDigitRange(int first, int last)
{
    std::vector<std::string> entries;
    for (int value = first; value <= last; ++value)
        entries.push_back(twoDigit(value));
    return entries;
}

int positionIn(int value, int first, int last)
{
    return value >= first && value <= last ? value - first : -1;
}

} // namespace

std::vector<std::string> yearEntries()
{
    return twoDigitRange(kFirstYear, kLastYear);
}

std::vector<std::string> monthEntries()
{
    return twoDigitRange(1, 12);
}

std::vector<std::string> dayEntries()
{
    return twoDigitRange(1, 31);
}

std::vector<std::string> hourEntries()
{
    return twoDigitRange(0, 23);
}

DateDefaults dateDefaults(int year, int month, int day, int hour)
{
    return {positionIn(year - 1, kFirstYear, kLastYear), positionIn(month, 1, 12), positionIn(day, 1, 31),
            positionIn(hour, 0, 23)};
}

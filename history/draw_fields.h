#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The 期号 and date fields of a line of a draw file, in the forms the files
// players download use.

// "第2026007期" and "2026007期" as "2026007".
std::string issueOf(std::string field);

// "星期四", "周四", "(四)": a weekday written beside a date.
bool isWeekday(std::string_view field);

// A day of the calendar between 1900 and 2999, leap years counted.
bool validDate(int year, int month, int day);

// A date field as "YYYY-MM-DD": "2026-02-01", "2026/2/1", "2026.02.01",
// "2026年2月1日" or eight digits "20260201", perhaps followed by a weekday in
// brackets. `isDate` tells whether the field is meant as a date at all
// (eight digits that make no date may still be a run of digits).
std::optional<std::string> dateOf(std::string field, bool &isDate);

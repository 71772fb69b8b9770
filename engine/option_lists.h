#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The option lists of the main window, whose texts the conversion reads.
inline constexpr std::array<std::string_view, 2> kArrangements{"先天八卦", "后天八封"};
inline constexpr std::array<std::string_view, 2> kCalendars{"阳历", "阴历"};
inline constexpr std::array<std::string_view, 2> kTimeModes{"选号时间", "买彩时间"};
inline constexpr std::array<std::string_view, 5> kRoutes{
    "买彩地址为起点，开奖地址为终点", "开奖地址为起点，家住地址为终点", "家住地址为起点，买彩地址为终点",
    "买彩地址为起点，家住地址为终点", "开奖地址为起点，买彩地址为终点",
};
inline constexpr std::array<std::string_view, 8> kDirections{
    "东", "南", "西", "北", "东南", "西南", "东北", "西北",
};

inline constexpr int kFirstYear = 2001;
inline constexpr int kLastYear = 2099;

std::vector<std::string> yearEntries();  // "2001" … "2099"
std::vector<std::string> monthEntries(); // "01" … "12"
std::vector<std::string> dayEntries();   // "01" … "31"
std::vector<std::string> hourEntries();  // "00" … "23"

// The default positions for a date and hour. The year list defaults to the
// year before the current one; -1 means no entry is chosen.
struct DateDefaults
{
    int year = -1;
    int month = -1;
    int day = -1;
    int hour = -1;
};
DateDefaults dateDefaults(int year, int month, int day, int hour);

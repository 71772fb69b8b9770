#include "engine/option_lists.h"

#include <gtest/gtest.h>

TEST(OptionLists, EntriesAreTwoDigitRanges)
{
    const auto years = yearEntries();
    ASSERT_EQ(years.size(), 99u);
    EXPECT_EQ(years.front(), "2001");
    EXPECT_EQ(years.back(), "2099");
    EXPECT_EQ(monthEntries().front(), "01");
    EXPECT_EQ(monthEntries().size(), 12u);
    EXPECT_EQ(dayEntries().size(), 31u);
    EXPECT_EQ(dayEntries().back(), "31");
    EXPECT_EQ(hourEntries().front(), "00");
    EXPECT_EQ(hourEntries().back(), "23");
}

TEST(OptionLists, DefaultsFollowTheDateWithTheYearBefore)
{
    const DateDefaults in2026 = dateDefaults(2026, 3, 9, 14);
    EXPECT_EQ(yearEntries()[in2026.year], "2025");
    EXPECT_EQ(monthEntries()[in2026.month], "03");
    EXPECT_EQ(dayEntries()[in2026.day], "09");
    EXPECT_EQ(hourEntries()[in2026.hour], "14");
    EXPECT_EQ(dayEntries()[dateDefaults(2026, 1, 31, 0).day], "31");
    EXPECT_EQ(dateDefaults(2002, 1, 1, 0).year, 0);
    EXPECT_EQ(dateDefaults(2100, 1, 1, 0).year, 98);
    EXPECT_EQ(dateDefaults(2001, 1, 1, 0).year, -1);
    EXPECT_EQ(dateDefaults(2000, 1, 1, 0).year, -1);
    EXPECT_EQ(dateDefaults(2101, 1, 1, 0).year, -1);
}

#include "base/app_error.h"
#include "base/int_text.h"

#include <gtest/gtest.h>

TEST(StrictInteger, AcceptsSignedDecimalWithin32Bits)
{
    const std::pair<const char *, int> accepted[] = {
        {"0", 0},
        {"7", 7},
        {"+12", 12},
        {"-5", -5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto &[text, value] : accepted) {
        ASSERT_TRUE(parseInt(text).has_value()) << text;
        EXPECT_EQ(*parseInt(text), value) << text;
    }
}

TEST(StrictInteger, RefusesEverythingElse)
{
    for (const char *text : {"", "+", "-", " 1", "1 ", "1a", "0x10", "1.0", "2147483648", "-2147483649",
                             "99999999999999999999", "１", "--1", "+-1"}) {
        EXPECT_FALSE(parseInt(text).has_value()) << '"' << text << '"';
    }
}

TEST(StrictInteger, ErrorNamesTheText)
{
    try {
        strToInt("12a");
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_STREQ(error.what(), "'12a' 不是一个有效的整形值");
    }
    EXPECT_THROW(strToInt(""), AppError);
    EXPECT_EQ(strToInt("-15"), -15);
}

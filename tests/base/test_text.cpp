#include "base/error_text.h"
#include "base/gbk.h"
#include "base/two_digit.h"

#include <gtest/gtest.h>

TEST(TwoDigit, PadsValuesBelowTen)
{
    EXPECT_EQ(twoDigit(0), "00");
    EXPECT_EQ(twoDigit(3), "03");
    EXPECT_EQ(twoDigit(10), "10");
    EXPECT_EQ(twoDigit(99), "99");
    EXPECT_EQ(twoDigit(123), "123");
    EXPECT_EQ(twoDigit(-5), "0-5");
}

TEST(ErrorBoxText, AddsPeriodAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(errorBoxText("abc"), "abc.");
    EXPECT_EQ(errorBoxText("'x' 不是一个有效的整形值"), "'x' 不是一个有效的整形值.");
    EXPECT_EQ(errorBoxText("请输入彩票名称！！"), "请输入彩票名称！！");
    EXPECT_EQ(errorBoxText("找不到彩票数据库文件。"), "找不到彩票数据库文件。");
    EXPECT_EQ(errorBoxText("真的吗？"), "真的吗？");
    EXPECT_EQ(errorBoxText("文件存取错误"), "文件存取错误.");
    EXPECT_EQ(errorBoxText("I/O 错误 5"), "I/O 错误 5.");
    EXPECT_EQ(errorBoxText("done."), "done.");
    EXPECT_EQ(errorBoxText("minus-"), "minus-");
    EXPECT_EQ(errorBoxText("bang!"), "bang!");
    EXPECT_EQ(errorBoxText("space "), "space ");
    EXPECT_EQ(errorBoxText("slash/"), "slash/.");
    EXPECT_EQ(errorBoxText(""), "");
}

TEST(Gbk, RoundTripsChineseText)
{
    const std::string utf8 = "双色球2026年12月08日投注号码.txt";
    const std::string gbk = utf8ToGbk(utf8);
    EXPECT_EQ(gbk.substr(0, 6), "\xCB\xAB\xC9\xAB\xC7\xF2"); // 双色球
    EXPECT_EQ(gbkToUtf8(gbk), utf8);
}

TEST(Gbk, BadBytesBecomeReplacementsWithoutLosingTheRest)
{
    EXPECT_EQ(gbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(gbkToUtf8("a\xCB"), "a\xEF\xBF\xBD"); // a lead byte cut off at the end
    EXPECT_EQ(utf8ToGbk("x\xF0\x9F\x98\x80y"), "x?y"); // an emoji GBK cannot hold
    EXPECT_EQ(utf8ToGbk("x\xC3y"), "x?y");             // broken UTF-8
}

#include "base/error_text.h"
#include "base/gbk.h"
#include "base/quoted_text.h"
#include "base/two_digit.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_EQ(gbkToUtf8("a\xFF"
                        "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(gbkToUtf8("a\xCB"), "a\xEF\xBF\xBD");    // a lead byte cut off at the end
    EXPECT_EQ(utf8ToGbk("x\xF0\x9F\x98\x80y"), "x?y"); // an emoji GBK cannot hold
    EXPECT_EQ(utf8ToGbk("x\xC3y"), "x?y");             // broken UTF-8
}

TEST(QuotedText, CutsLongTextsAndShowsWhatWouldActInvisibly)
{
    EXPECT_EQ(quotedText("双色球"), "双色球");
    EXPECT_EQ(quotedText(std::string(40, '7')), std::string(40, '7'));
    EXPECT_EQ(quotedText(std::string(50 << 20, '7')), std::string(40, '7') + "…");
    // Chinese characters count one each, and are never cut apart.
    std::string chinese;
    for (int i = 0; i < 30; ++i)
        chinese += "彩票";
    EXPECT_EQ(quotedText(chinese), chinese.substr(0, 40 * 3) + "…");
    EXPECT_EQ(quotedText(std::string("a\0b\r\n\t\x1B[2J", 10)), "a\\0b\\r\\n\\t\\x1B[2J");
    EXPECT_EQ(quotedText("\xC7\xF2\xFF"
                         "\xE2\x80\xAE"
                         "evil"),
              "\\xC7\\xF2\\xFF\\u202Eevil");
    // An escape is cut whole or not at all.
    EXPECT_EQ(quotedText(std::string(38, 'a') + '\x01'), std::string(38, 'a') + "…");
}

TEST(QuotedText, BoundsAWholeMessageButKeepsItsLines)
{
    EXPECT_EQ(boundedMessage("第一行\n第二行"), "第一行\n第二行");
    EXPECT_EQ(boundedMessage(std::string(10000, 'x')).size(), 300 + std::string("…").size());
    std::string lines;
    for (int i = 0; i < 20; ++i)
        lines += "line\n";
    const std::string bounded = boundedMessage(lines);
    EXPECT_EQ(std::count(bounded.begin(), bounded.end(), '\n'), 11);
    EXPECT_EQ(bounded.substr(bounded.size() - 3), "…");
}

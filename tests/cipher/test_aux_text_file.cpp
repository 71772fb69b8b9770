#include "base/app_error.h"
#include "cipher/aux_text_file.h"

#include "../support/error_of.h"

#include <gtest/gtest.h>

TEST(AuxTextFile, ReadsLinesEndedByCrLfOrLf)
{
    const std::string bytes = auxTextLine("出品：甲") + "\r\n" + "not hex" + "\n" + auxTextLine("QQ号码：1");
    const AuxTextFile file = AuxTextFile::fromBytes(bytes);
    EXPECT_EQ(file.caption(0), "出品：甲");
    EXPECT_EQ(file.line(1), "not hex");
    EXPECT_EQ(file.caption(2), "QQ号码：1");
    EXPECT_EQ(file.caption(3), ""); // past the end: an empty line
    EXPECT_EQ(file.caption(-1), "");
    EXPECT_EQ(errorOf([&] { file.caption(1); }), "Error: not a Hex String");
}

TEST(AuxTextFile, MissingFileGivesThePlatformMessage)
{
    EXPECT_EQ(errorOf([] { AuxTextFile("/nonexistent/附属/about.txt"); }), "文件没找到");
}

TEST(AuxTextFile, ShippedFilesHoldTheirCaptions)
{
    const AuxTextFile about(KORVEL_DIST_DIR "/附属/about.txt");
    const char *aboutPrefixes[]
        = {"作者：", "版权所有：", "网址：", "QQ号码：", "服务电话：", "手机：", "邮件:"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(about.caption(i).rfind(aboutPrefixes[i], 0), 0u) << i << ' ' << about.caption(i);
    const AuxTextFile flash(KORVEL_DIST_DIR "/附属/flash.txt");
    const char *flashPrefixes[] = {"出品：", nullptr, "官方网址：", "QQ号码：", "电子邮箱：", "服务热线："};
    for (int i = 0; i < 6; ++i) {
        if (flashPrefixes[i]) {
            EXPECT_EQ(flash.caption(i).rfind(flashPrefixes[i], 0), 0u) << i << ' ' << flash.caption(i);
        }
    }
    // Enciphered under the fixed key, which is two ASCII digits.
    ASSERT_EQ(AuxTextFile::kFixedKey.size(), 2u);
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(AuxTextFile::kFixedKey[0])));
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(AuxTextFile::kFixedKey[1])));
}

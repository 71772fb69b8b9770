// The text forms of draws players have: good lines in every form, broken
// lines with their reasons, files in GBK and UTF-8, and the import plan.
#include "base/gbk.h"
#include "history/draw_text.h"
#include "history/import_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// 双色球 as the shipped catalogue holds it: its front zone is 红球.
const DrawShape kSsq = [] {
    Lottery ssq{0, 33, 6, "蓝球", 16, 1};
    ssq.frontName = "红球";
    return drawShapeOf("双色球", ssq);
}();

std::string readOrWhy(std::string_view line, const DrawShape &shape)
{
    const auto parsed = parseDrawLine(line, shape);
    if (!parsed.accepted())
        return "! " + parsed.refusal();
    const Draw &draw = parsed.value();
    return draw.issue + (draw.date.empty() ? "" : " " + draw.date) + " " + drawNumbersText(draw, shape);
}

} // namespace

TEST(DrawLine, ReadsTheFormsPlayersHave)
{
    const std::string expected = "2026014 2026-02-01 03 09 14 20 27 33 + 07";
    for (const char *line :
         {"2026014 2026-02-01 03 09 14 20 27 33 + 07", "2026014,2026-02-01,03,09,14,20,27,33,07",
          "2026014\t2026/2/1\t33\t27\t20\t14\t09\t03\t07", "2026014 2026.02.01 3 9 14 20 27 33|7",
          "2026014 20260201 03 09 14 20 27 33+07", "2026014 2026年2月1日 03，09，14，20，27，33 ＋ 07",
          "2026014 2026-02-01(日) 03 09 14 20 27 33 | 07", " 2026014  2026-02-01  03 09 14 20 27 33  07 "})
        EXPECT_EQ(readOrWhy(line, kSsq), expected) << line;
    EXPECT_EQ(readOrWhy("2026014 03 09 14 20 27 33 07", kSsq), "2026014 03 09 14 20 27 33 + 07");

    const DrawShape qlc = drawShapeOf("七乐彩", {0, 30, 7});
    EXPECT_EQ(readOrWhy("2026073 02 05 09 14 21 26 30 17", qlc), "2026073 02 05 09 14 21 26 30 + 17");
    EXPECT_EQ(readOrWhy("2026073 02 05 09 14 21 26 30 + 17", qlc), "2026073 02 05 09 14 21 26 30 + 17");

    const DrawShape fc3d = drawShapeOf("福彩3D", {1, 10, 3});
    EXPECT_EQ(readOrWhy("2026170 417", fc3d), "2026170 4 1 7");
    EXPECT_EQ(readOrWhy("2026170 2026-06-29 4 1 7", fc3d), "2026170 2026-06-29 4 1 7");
    const DrawShape qxc = drawShapeOf("七星彩", {1, 10, 6, "后区", 15, 1});
    EXPECT_EQ(readOrWhy("26073 309951 12", qxc), "26073 3 0 9 9 5 1 + 12");
    EXPECT_EQ(readOrWhy("26073 3 0 9 9 5 1 + 12", qxc), "26073 3 0 9 9 5 1 + 12");

    // Typed to check bets against: the numbers alone; the first is no 期号.
    const auto typed = parseDrawNumbers("03 09 14 20 27 33 + 07", kSsq);
    ASSERT_TRUE(typed.accepted());
    EXPECT_EQ(typed.value().front, (std::vector<int>{3, 9, 14, 20, 27, 33}));
    EXPECT_EQ(typed.value().issue, "");
}

// 29 February only in a leap year: every fourth year, but of the centuries
// only every fourth.
TEST(DrawLine, TheTwentyNinthOfFebruaryOnlyInALeapYear)
{
    EXPECT_EQ(readOrWhy("2025015 2025-02-29 03 09 14 20 27 33 07", kSsq), "! 日期“2025-02-29”无效");
    EXPECT_EQ(readOrWhy("2100015 2100/2/29 03 09 14 20 27 33 07", kSsq), "! 日期“2100/2/29”无效");
    EXPECT_EQ(readOrWhy("2025015 2025-02-28 03 09 14 20 27 33 07", kSsq),
              "2025015 2025-02-28 03 09 14 20 27 33 + 07");
    EXPECT_EQ(readOrWhy("2024015 2024-02-29 03 09 14 20 27 33 07", kSsq),
              "2024015 2024-02-29 03 09 14 20 27 33 + 07");
    EXPECT_EQ(readOrWhy("2000015 2000年2月29日 03 09 14 20 27 33 07", kSsq),
              "2000015 2000-02-29 03 09 14 20 27 33 + 07");
}

TEST(DrawLine, BrokenLinesSayWhy)
{
    const std::vector<std::pair<const char *, const char *>> cases = {
        {"第20x6014期 03 09 14 20 27 33 07", "! 期号“第20x6014期”不是1到12位数字"},
        {"2026014 2026-02-30 03 09 14 20 27 33 07", "! 日期“2026-02-30”无效"},
        {"2026014 03 09 14 20 27 07", "! 应有7个号码（红球6个，蓝球1个），读到6个"},
        {"2026014 03 09 14 20 27 33 07 08", "! 应有7个号码（红球6个，蓝球1个），读到8个"},
        {"2026014 03 09 14 20 27 + 07", "! 应有7个号码（红球6个，蓝球1个），读到6个"},
        {"2026014 03 09 14 20 27 33 + 07 + 01", "! “+”后的号码多于本彩票的号码区"},
        {"2026014 03 09 14 20 27 34 07", "! 红球号码“34”不在1到33之间"},
        {"2026014 03 09 14 20 27 33 17", "! 蓝球号码“17”不在1到16之间"},
        {"2026014 03 09 14 20 20 33 07", "! 红球号码“20”重复"},
        {"2026014 03 09 14 20 2x 33 07", "! “2x”不是号码"},
    };
    for (const auto &[line, why] : cases)
        EXPECT_EQ(readOrWhy(line, kSsq), why) << line;
    const DrawShape qlc = drawShapeOf("七乐彩", {0, 30, 7});
    EXPECT_EQ(readOrWhy("2026073 02 05 09 14 21 26 30 + 26", qlc), "! 特别号“26”与基本号码重复");
    EXPECT_EQ(readOrWhy("2026073 02 05 09 14 21 26 30", qlc),
              "! 应有8个号码（基本号码7个，特别号1个），读到7个");
    const DrawShape fc3d = drawShapeOf("福彩3D", {1, 10, 3});
    EXPECT_EQ(readOrWhy("2026170 4 1 10", fc3d), "! 号码“10”不在0到9之间");
    EXPECT_EQ(readOrWhy("2026170 4170", fc3d), "! 应有3个号码，读到1个");
}

TEST(DrawFile, SkipsTheHeaderAndBlankLinesAndNumbersTheProblems)
{
    const std::string text = "期号,开奖日期,红球,蓝球\r\n"
                             "2026014,2026-02-01,03,09,14,20,27,33,07\r\n"
                             "\r\n"
                             "2026015 2026-02-03 01 02 03 04 05\r\n"
                             "2026016 2026-02-05 01 02 03 04 05 06 + 16\r\n";
    for (const std::string &bytes : {text, utf8ToGbk(text), "\xEF\xBB\xBF" + text}) {
        const DrawText read = readDrawText(bytes, kSsq);
        ASSERT_EQ(read.draws.size(), 2u);
        EXPECT_EQ(read.draws[0].line, 2);
        EXPECT_EQ(read.draws[1].line, 5);
        EXPECT_EQ(read.draws[1].draw.back, std::vector<int>{16});
        EXPECT_EQ(read.problems, (std::vector<LineProblem>{{4, "应有7个号码（红球6个，蓝球1个），读到5个"}}));
    }
    EXPECT_EQ(readDrawText(text, kSsq).headerLine, 1);
    // A first line that is a draw is no header, nor one that fails as a draw.
    EXPECT_EQ(readDrawText("2026014 03 09 14 20 27 33 07\n", kSsq).draws.size(), 1u);
    const DrawText broken = readDrawText("第2026014期 03 09 14 20 27 33 77\n", kSsq);
    EXPECT_EQ(broken.headerLine, 0);
    EXPECT_EQ(broken.problems.size(), 1u);
    // GBK stays GBK even where its bytes happen to be valid UTF-8 nowhere.
    EXPECT_EQ(playerTextToUtf8(utf8ToGbk("期号 开奖号码")), "期号 开奖号码");
}

TEST(DrawFile, ExportReadsBackTheSame)
{
    const std::vector<Draw> draws = {{{{3, 9, 14, 20, 27, 33}, {7}}, "", "2026014", "2026-02-01"},
                                     {{{1, 2, 3, 4, 5, 6}, {16}}, "", "2026015", ""}};
    const std::string bytes = drawFileBytes(draws, kSsq);
    EXPECT_EQ(gbkToUtf8(bytes), "期号 开奖日期 开奖号码\r\n2026014 2026-02-01 03 09 14 20 27 33 + 07\r\n"
                                "2026015 01 02 03 04 05 06 + 16\r\n");
    const DrawText read = readDrawText(bytes, kSsq);
    ASSERT_EQ(read.draws.size(), 2u);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.draws[0].draw, draws[0]);
    EXPECT_EQ(read.draws[1].draw, draws[1]);
}

// The forms of the history files players download: CSV with the numbers
// quoted in one cell, the weekday after the date, 第…期, the date after the
// numbers, columns of sales and pool after them, Excel's UTF-16 text.
TEST(DrawFile, ReadsTheFilesPlayersDownload)
{
    const std::string text = "期号,开奖日期,红球,蓝球,销售额,奖池\r\n"
                             "2026007,2026-01-15(四),\"09,13,19,27,29,30\",01\r\n"
                             "第2026008期,\"01,02,03,04,05,06\",16,2026-01-18\r\n"
                             "2026009期 2026-01-20 星期二 01 02 03 04 05 07 + 08\r\n"
                             "2026010,2026-01-22,\"01,02,03,04,05,08\",09,\"389,123,456\",2345678901\r\n"
                             "2026011,2026-01-25,\"01,02,03,04,05,40\",09\r\n"
                             "2026012,2026-01-27,01,02,03,04,05,06,07,08\r\n";
    const DrawText read = readDrawText(text, kSsq);
    EXPECT_EQ(read.headerLine, 1);
    ASSERT_EQ(read.draws.size(), 4u);
    EXPECT_EQ(read.draws[0].draw, (Draw{{{9, 13, 19, 27, 29, 30}, {1}}, "", "2026007", "2026-01-15"}));
    EXPECT_EQ(read.draws[1].draw, (Draw{{{1, 2, 3, 4, 5, 6}, {16}}, "", "2026008", "2026-01-18"}));
    EXPECT_EQ(read.draws[2].draw, (Draw{{{1, 2, 3, 4, 5, 7}, {8}}, "", "2026009", "2026-01-20"}));
    EXPECT_EQ(read.draws[3].draw, (Draw{{{1, 2, 3, 4, 5, 8}, {9}}, "", "2026010", "2026-01-22"}));
    EXPECT_EQ(read.linesWithOtherColumns, 1);
    // A wrong number is still a wrong number; small numbers after a whole
    // draw are numbers too many, not a column to pass over.
    EXPECT_EQ(read.problems, (std::vector<LineProblem>{{6, "红球号码“40”不在1到33之间"},
                                                       {7, "应有7个号码（红球6个，蓝球1个），读到8个"}}));

    // Excel's "Unicode text": UTF-16 little-endian with its mark, tabs.
    const std::u16string unicode
        = u"期号\t开奖日期\t开奖号码\r\n2026007\t2026-01-15\t09 13 19 27 29 30\t01\r\n";
    std::string utf16le = "\xFF\xFE";
    std::string utf16be = "\xFE\xFF";
    for (const char16_t unit : unicode) {
        utf16le += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        utf16be += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    for (const std::string &bytes : {utf16le, utf16be}) {
        const DrawText excel = readDrawText(bytes, kSsq);
        ASSERT_EQ(excel.draws.size(), 1u);
        EXPECT_EQ(excel.draws[0].draw, read.draws[0].draw);
        EXPECT_TRUE(excel.problems.empty());
    }
}

TEST(ImportPlan, SkipsKnownDrawsReportsConflictsAndNeverOverwrites)
{
    const std::vector<Draw> stored = {{{{3, 9, 14, 20, 27, 33}, {7}}, "双色球", "2026014", ""}};
    const DrawText read = readDrawText("2026014 03 09 14 20 27 33 07\n" // stored, same numbers
                                       "26014 03 09 14 20 27 33 07\n"   // the same 期号 written short
                                       "2026015 01 02 03 04 05 06 08\n" // new
                                       "2026015 01 02 03 04 05 06 08\n" // again in the file
                                       "2026016 01 02 03 04 05 07 08\n" // new
                                       "2026016 01 02 03 04 05 06 08\n" // again, other numbers
                                       "2026014 01 02 03 04 05 06 08\n" // stored, other numbers
                                       "2026017 01 02 03\n",
                                       kSsq);
    const ImportPlan plan = planImport(read, stored, "双色球", kSsq);
    ASSERT_EQ(plan.added.size(), 2u);
    EXPECT_EQ(plan.added[0].issue, "2026015");
    EXPECT_EQ(plan.added[0].lottery, "双色球");
    EXPECT_EQ(plan.added[1].issue, "2026016");
    EXPECT_EQ(plan.skipped, 3);
    const ImportReport report = importReport(plan);
    EXPECT_EQ(report.summary, "导入2期，跳过3期（已有相同号码）。\n3行未导入，原因见详细信息。");
    // Every line is listed, however many, and the header and the columns
    // passed over are said.
    std::string many = "期号,开奖号码,奖池\n2026001,01,02,03,04,05,06,07,3.5亿\n";
    for (int i = 0; i < 30; ++i)
        many += "2026" + std::to_string(100 + i) + " 01 02 03\n";
    const ImportReport manyReport = importReport(planImport(readDrawText(many, kSsq), {}, "双色球", kSsq));
    EXPECT_EQ(manyReport.summary,
              "导入1期。\n第1行是表头，未导入。\n1行号码后的其他列（如销售额、奖池）未导入。\n"
              "30行未导入，原因见详细信息。");
    EXPECT_EQ(std::count(manyReport.details.begin(), manyReport.details.end(), '\n'), 29);
    EXPECT_NE(manyReport.details.find("第32行：应有7个号码"), std::string::npos);
    EXPECT_EQ(report.details, "第6行：期号2026016在第5行已出现，号码不同\n"
                              "第7行：期号2026014已存有不同的号码（03 09 14 20 27 33 + 07），未覆盖\n"
                              "第8行：应有7个号码（红球6个，蓝球1个），读到3个");
}

TEST(IssueKey, OrdersShortAndLongIssuesTogether)
{
    EXPECT_EQ(issueKey("26014"), issueKey("2026014"));
    EXPECT_LT(*issueKey("25350"), *issueKey("2026001"));
    EXPECT_LT(*issueKey("99"), *issueKey("100"));
    EXPECT_FALSE(issueKey("").has_value());
    EXPECT_FALSE(issueKey("2026-014").has_value());
    EXPECT_FALSE(issueKey("1234567890123").has_value());
}

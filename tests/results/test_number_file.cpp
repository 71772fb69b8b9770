#include "base/gbk.h"
#include "results/number_file.h"
#include "results/save_name.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The content of a file that is accepted; a refusal fails the test.
NumberFileContent loaded(std::string_view bytes, const Lottery &current)
{
    auto parsed = parseNumberFile(bytes, current);
    if (!parsed.accepted()) {
        ADD_FAILURE() << parsed.refusal();
        return {};
    }
    return std::move(parsed.value());
}

// The message that refuses a file, or "accepted".
std::string refusal(std::string_view bytes, const Lottery &current)
{
    const auto parsed = parseNumberFile(bytes, current);
    return parsed.accepted() ? "accepted" : parsed.refusal();
}

Lottery lotteryOf(int count)
{
    return {Lotto, kMaxTotal, count};
}

std::string rowText(const ResultGrid &grid, int row)
{
    std::string text;
    for (int column = 0; column < grid.columnCount(); ++column)
        text += (column ? " " : "") + std::string(grid.cell(column, row));
    return text;
}

ResultGrid gridOf(const std::vector<std::vector<std::string>> &bets)
{
    ResultGrid grid;
    for (const auto &bet : bets)
        grid.appendBet(lotteryOf(static_cast<int>(bet.size())), bet);
    return grid;
}

} // namespace

TEST(SavedNumberFile, EmptiedTableGivesOneLineOfSpaces)
{
    EXPECT_EQ(savedNumberFile(ResultGrid(), lotteryOf(6)), "      \r\n");
}

TEST(SavedNumberFile, OneLineABetEachNumberFollowedByASpace)
{
    const ResultGrid grid = gridOf(
        {{"01", "05", "12", "17", "30"}, {"02", "03", "04", "16", "31"}, {"07", "08", "09", "10", "11"}});
    const std::string bytes = savedNumberFile(grid, lotteryOf(5));
    EXPECT_EQ(bytes, "01 05 12 17 30 \r\n02 03 04 16 31 \r\n07 08 09 10 11 \r\n");
    // The count decides, not the grid's columns.
    EXPECT_EQ(savedNumberFile(gridOf({{"9", "5", "1"}}), lotteryOf(4)), "9 5 1  \r\n");
}

TEST(NumberFileLoad, HeaderLayoutExample)
{
    const NumberFileContent content = loaded("\xB8\xA3\xB2\xCA"
                                             "3D\r\n1\r\n10\r\n3\r\n2\r\n123\r\n905\r\n",
                                             lotteryOf(6));
    EXPECT_TRUE(content.headerLayout);
    EXPECT_EQ(content.name, "福彩3D");
    EXPECT_EQ(content.lottery.kind, 1);
    EXPECT_EQ(content.lottery.total, 10);
    EXPECT_EQ(content.lottery.count, 3);
    EXPECT_EQ(content.grid.rowCount(), 3);
    EXPECT_EQ(content.grid.columnCount(), 4);
    EXPECT_EQ(rowText(content.grid, 0), "序号 号码1 号码2 号码3");
    EXPECT_EQ(rowText(content.grid, 1), "1 1 2 3");
    EXPECT_EQ(rowText(content.grid, 2), "2 9 0 5");
}

TEST(NumberFileLoad, ShortRowLinesLeaveCellsEmptyAndLongOnesAreCut)
{
    const NumberFileContent content = loaded("x\n1\n10\n3\n3\n12\n98765\n\n", lotteryOf(3));
    EXPECT_EQ(rowText(content.grid, 1), "1 1 2 ");
    EXPECT_EQ(rowText(content.grid, 2), "2 9 8 7");
    EXPECT_EQ(rowText(content.grid, 3), "3   ");
}

TEST(NumberFileLoad, GridHoldsTheRowsTheFileHolds)
{
    NumberFileContent fewer = loaded("x\r\n1\r\n10\r\n3\r\n9\r\n123\r\n456\r\n", lotteryOf(3));
    EXPECT_EQ(fewer.grid.rowCount(), 3);
    NumberFileContent more = loaded("x\r\n1\r\n10\r\n3\r\n1\r\n123\r\n456\r\n789\r\n", lotteryOf(3));
    EXPECT_EQ(more.grid.rowCount(), 4);
    EXPECT_EQ(rowText(more.grid, 3), "3 7 8 9");
    // None declared and none there: the header and one empty row to fill.
    NumberFileContent none = loaded("x\r\n1\r\n10\r\n3\r\n0\r\n", lotteryOf(3));
    EXPECT_EQ(none.grid.rowCount(), 2);
    EXPECT_TRUE(none.grid.cell(0, 1).empty());
    none.grid.appendBet(lotteryOf(3), {"1", "2", "3"});
    EXPECT_EQ(none.grid.rowCount(), 2);
    EXPECT_EQ(rowText(none.grid, 1), "1 1 2 3");
    // A huge declared row count allocates nothing.
    NumberFileContent huge = loaded("x\n1\n10\n3\n2000000000\n123\n", lotteryOf(3));
    EXPECT_EQ(huge.grid.rowCount(), 2);
}

TEST(NumberFileLoad, HeaderLinesThatAreNoIntegers)
{
    NumberFileContent badTotal = loaded(utf8ToGbk("双色球\n0\n三十三\n6\n1\n"), lotteryOf(6));
    EXPECT_EQ(badTotal.headerError, "'三十三' 不是一个有效的整形值");
    EXPECT_EQ(badTotal.name, "双色球");
    NumberFileContent missing = loaded(utf8ToGbk("双色球\n0\n33\n6"), lotteryOf(6));
    EXPECT_EQ(missing.headerError, "'' 不是一个有效的整形值");
    // A second line that is no number makes it no number file.
    EXPECT_NE(refusal("hello\nworld\n", lotteryOf(6)), "accepted");
}

TEST(NumberFileLoad, LotteriesTheProgramCannotServeAreRefused)
{
    for (const char *bytes : {"x\n1\n10\n1000000\n1\n", "x\n0\n33\n0\n1\n", "x\n0\n500\n6\n1\n",
                              "x\n0\n5\n6\n1\n", "x\n1\n10\n-3\n1\n"}) {
        const std::string message = refusal(bytes, lotteryOf(6));
        EXPECT_NE(message, "accepted") << bytes;
        EXPECT_FALSE(message.empty());
    }
}

TEST(NumberFileLoad, SavedFilesLoadBackAsTheSameGrid)
{
    const ResultGrid lotto
        = gridOf({{"02", "03", "04", "16", "31", "32"}, {"01", "02", "29", "30", "31", "33"}});
    NumberFileContent back = loaded(savedNumberFile(lotto, lotteryOf(6)), lotteryOf(6));
    EXPECT_FALSE(back.headerLayout);
    ASSERT_EQ(back.grid.rowCount(), lotto.rowCount());
    for (int r = 0; r < lotto.rowCount(); ++r)
        EXPECT_EQ(rowText(back.grid, r), rowText(lotto, r));

    const ResultGrid digit = gridOf({{"9", "5", "1"}, {"0", "0", "7"}});
    back = loaded(savedNumberFile(digit, lotteryOf(3)), lotteryOf(3));
    EXPECT_EQ(rowText(back.grid, 2), "2 0 0 7");

    back = loaded(savedNumberFile(ResultGrid(), lotteryOf(6)), lotteryOf(6));
    EXPECT_EQ(back.grid.rowCount(), 2);
    EXPECT_EQ(back.grid.columnCount(), 5);
    EXPECT_TRUE(back.grid.cell(0, 0).empty());
}

TEST(NumberFileLoad, SavedFileOfAnotherCountIsRefused)
{
    const ResultGrid grid = gridOf({{"1", "2", "3", "4", "5", "6", "7"}});
    const std::string message = refusal(savedNumberFile(grid, lotteryOf(7)), lotteryOf(6));
    EXPECT_NE(message.find("7个号码"), std::string::npos) << message;
}

TEST(NumberFileLoad, LineEndsAndBytesOfEveryKind)
{
    for (const char *bytes :
         {"x\r1\r10\r3\r1\r123\r", "x\n1\n10\n3\n1\n123", "x\r\n1\r\n10\r\n3\r\n1\r\n123"}) {
        const NumberFileContent content = loaded(bytes, lotteryOf(3));
        EXPECT_EQ(content.grid.rowCount(), 2);
        EXPECT_EQ(rowText(content.grid, 1), "1 1 2 3");
    }
    EXPECT_EQ(refusal("", lotteryOf(3)), "号码文件是空的。");
    EXPECT_NE(refusal("\r\n\r\n", lotteryOf(3)), "accepted");
    // Bytes that are no GBK become replacement characters, nothing worse.
    const NumberFileContent bad = loaded("\xFF\xFE\n1\n10\n3\n1\n1\xFF"
                                         "3\n",
                                         lotteryOf(3));
    EXPECT_EQ(bad.grid.cell(2, 1), "\xEF\xBF\xBD");
    EXPECT_EQ(bad.grid.cell(3, 1), "3");
}

// What an attacker's or a damaged file brings is refused at once with a
// short message: no line is decoded whole, no NUL is dropped silently.
TEST(NumberFileLoad, HostileFilesAreRefusedWithAShortMessage)
{
    std::string huge = "x\r\n" + std::string(50 << 20, '7');
    EXPECT_EQ(refusal(huge, lotteryOf(6)), "无法加载号码文件：第2行超过4096个字节，这不是号码文件。");
    huge.resize(kMaxNumberFileBytes + 1, '\n');
    EXPECT_EQ(refusal(huge, lotteryOf(6)), "号码文件超过64 MB，无法加载。");

    // Load and save must not change the player's bytes: a NUL refuses the file.
    EXPECT_EQ(refusal(std::string("x\r\n1\r\n10\r\n3\r\n1\r\n1\0"
                                  "3\r\n",
                                  20),
                      lotteryOf(3)),
              "无法加载号码文件：第6行含有空字符，这不是文本格式的号码文件。");

    // A binary second line is quoted short, its control bytes shown as escapes.
    EXPECT_EQ(refusal("GIF89a\n\x1B[2J\x07" + std::string(3000, 'A') + "\n", lotteryOf(6)),
              "无法识别的号码文件：第2行“\\x1B[2J\\x07" + std::string(29, 'A') + "…”不是彩票类型。");
}

TEST(SuggestedSaveName, VeryLongLotteryNamesGiveOnlyTheirStart)
{
    const QString name = suggestedSaveName(QString(5000, QChar(0x5F69)), QStringLiteral("2026-12-8"));
    EXPECT_EQ(name, QString(40, QChar(0x5F69)) + QStringLiteral("2026-12-8投注号码.txt"));
    // A character outside the basic plane is never cut in half.
    QString emoji = QString(39, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(suggestedSaveName(emoji, QString()),
              QString(39, QLatin1Char('a')) + QStringLiteral("投注号码.txt"));
}

// Random and mutated bytes never crash the loader, and whatever it accepts
// is a whole grid: the header for its count and every row numbered.
TEST(NumberFileLoad, SurvivesRandomAndMutatedBytes)
{
    std::mt19937 random(20261208);
    const std::string seeds[] = {"福彩3D\r\n1\r\n10\r\n3\r\n2\r\n123\r\n905\r\n",
                                 "01 05 12 17 30 33 \r\n02 03 04 16 31 32 \r\n", "      \r\n"};
    for (int round = 0; round < 20000; ++round) {
        std::string bytes;
        if (round % 4 == 0) {
            bytes.resize(random() % 64);
            for (char &c : bytes)
                c = static_cast<char>(random());
        } else {
            bytes = seeds[round % 3];
            for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
                const size_t at = random() % (bytes.size() + 1);
                switch (random() % 3) {
                case 0:
                    bytes.insert(at, 1, static_cast<char>(random()));
                    break;
                case 1:
                    if (at < bytes.size())
                        bytes.erase(at, 1);
                    break;
                default:
                    if (at < bytes.size())
                        bytes[at] = static_cast<char>(random());
                    break;
                }
            }
        }
        const auto parsed = parseNumberFile(bytes, lotteryOf(6));
        if (!parsed.accepted() || !parsed.value().headerError.empty())
            continue;
        const NumberFileContent &content = parsed.value();
        const ResultGrid &grid = content.grid;
        ASSERT_GE(grid.rowCount(), 2);
        if (grid.cell(0, 0).empty())
            continue; // an emptied table
        ASSERT_EQ(grid.columnCount(), content.lottery.numberCount() + 1);
        const bool emptyRowToFill = grid.rowCount() == 2 && grid.cell(0, 1).empty();
        for (int r = 1; r < grid.rowCount() && !emptyRowToFill; ++r)
            ASSERT_EQ(grid.cell(0, r), std::to_string(r));
    }
}

TEST(NumberFileLoad, ColumnWidthAfterALoad)
{
    EXPECT_EQ(loadedColumnWidth(437, 3), 106);
    EXPECT_EQ(loadedColumnWidth(437, 6), 60);
}

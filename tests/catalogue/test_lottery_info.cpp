#include "base/app_error.h"
#include "catalogue/catalogue_source.h"
#include "catalogue/lottery_info.h"

#include "../support/error_of.h"

#include <gtest/gtest.h>

TEST(LotteryFromRow, ReadsStrictIntegers)
{
    const LotteryInfo lottery = lotteryFromRow({QStringLiteral("双色球"), QStringLiteral("0"),
                                                QStringLiteral("33"), QStringLiteral("6")});
    EXPECT_EQ(lottery, (LotteryInfo{QStringLiteral("双色球"), {0, 33, 6}}));
}

TEST(LotteryFromRow, TextThatIsNoIntegerNamesItself)
{
    const CatalogueRow bad[] = {
        {QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("33"), QStringLiteral("6")},
        {QStringLiteral("a"), QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("6.5")},
        {QStringLiteral("a"), QStringLiteral("0"), QStringLiteral(" 33"), QStringLiteral("6")},
        {QStringLiteral("a"), QStringLiteral("0"), QStringLiteral("33"), QString()},
    };
    const char *expected[] = {"'x' 不是一个有效的整形值", "'6.5' 不是一个有效的整形值",
                              "' 33' 不是一个有效的整形值", "'' 不是一个有效的整形值"};
    for (int i = 0; i < 4; ++i) {
        try {
            lotteryFromRow(bad[i]);
            ADD_FAILURE() << i;
        } catch (const AppError &error) {
            EXPECT_STREQ(error.what(), expected[i]);
        }
    }
}

TEST(LotteryProblem, RefusesWhatTheProgramCannotServe)
{
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), {0, 33, 6}}));
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), {1, 10, 7}}));
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), {0, 99, 55}}));
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), {1, 2, 55}})); // digits may repeat
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {0, 33, 0}}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {0, 33, -2}}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {1, 10, 56}}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {0, 0, 1}}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {0, 100, 6}}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {0, 5, 6}})); // Lotto count above total
    EXPECT_NE(lotteryProblem({QStringLiteral("彩"), {0, 5, 6}})->indexOf(QStringLiteral("彩")), -1);
    // Only the two kinds exist; a 2 or -1 from a catalogue is no Digit lottery.
    EXPECT_EQ(lotteryProblem({QStringLiteral("a"), {2, 10, 3}}),
              QStringLiteral("彩票“a”的彩票类型为2，程序只能处理乐透型（0）和数字型（1）。"));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {-1, 10, 3}}));
    // A name of thousands of characters is quoted, not repeated whole.
    EXPECT_LT(lotteryProblem({QString(5000, QLatin1Char('x')), {0, 5, 6}})->size(), 100);
}

TEST(CatalogueSource, ReadsRowsAndRefusesOnesTheProgramCannotServe)
{
    const auto rows = parseCatalogueSource("彩票名称,彩票类型,号码总数,号码个数\r\n双色球,0,33,6\r\n\n 福彩3D,1,10,3 \n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (LotteryInfo{QStringLiteral("福彩3D"), {1, 10, 3}}));
    EXPECT_EQ(errorOf([] { parseCatalogueSource("h\na,0,33\n"); }), "line 2: expected 4 fields");
    EXPECT_EQ(errorOf([] { parseCatalogueSource("h\na,0,33,6\nb,0,3x,6\n"); }),
              "line 3: '3x' 不是一个有效的整形值");
    EXPECT_EQ(errorOf([] { parseCatalogueSource("h\nb,2,10,3\n"); }),
              "line 2: 彩票“b”的彩票类型为2，程序只能处理乐透型（0）和数字型（1）。");
}

TEST(LotteryToAdd, NamesMustBeTextThatComesBackAsTyped)
{
    const auto refusal = [](const QString &name) {
        const auto checked = lotteryToAdd(name, 0, QStringLiteral("33"), QStringLiteral("6"));
        return std::holds_alternative<QString>(checked) ? std::get<QString>(checked) : QString();
    };
    EXPECT_EQ(refusal(QStringLiteral("双色球 ")), QString()); // blanks are kept
    EXPECT_EQ(refusal(QStringLiteral("a\nb")), QStringLiteral("彩票名称不能包含换行符或空字符！"));
    // The store would hand U+FFFF back as U+FFFD: a name nobody typed.
    for (const QString &name : {QStringLiteral("a\tb"), QStringLiteral("a\x1B[2J"), QString(1, QChar(0xFFFF))})
        EXPECT_EQ(refusal(name), QStringLiteral("彩票名称不能包含控制字符或无效字符！"));
}

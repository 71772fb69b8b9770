#include "base/app_error.h"
#include "catalogue/lottery_info.h"

#include <gtest/gtest.h>

TEST(LotteryFromRow, ReadsStrictIntegers)
{
    const LotteryInfo lottery = lotteryFromRow({QStringLiteral("双色球"), QStringLiteral("0"),
                                                QStringLiteral("33"), QStringLiteral("6")});
    EXPECT_EQ(lottery, (LotteryInfo{QStringLiteral("双色球"), 0, 33, 6}));
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
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), 0, 33, 6}));
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), 1, 10, 7}));
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), 0, 99, 55}));
    EXPECT_FALSE(lotteryProblem({QStringLiteral("a"), 1, 2, 55})); // digits may repeat
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), 0, 33, 0}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), 0, 33, -2}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), 1, 10, 56}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), 0, 0, 1}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), 0, 100, 6}));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), 0, 5, 6})); // Lotto count above total
    EXPECT_NE(lotteryProblem({QStringLiteral("彩"), 0, 5, 6})->indexOf(QStringLiteral("彩")), -1);
    // Only the two kinds exist; a 2 or -1 from a catalogue is no Digit lottery.
    EXPECT_EQ(lotteryProblem({QStringLiteral("a"), 2, 10, 3}),
              QStringLiteral("彩票“a”的彩票类型为2，程序只能处理乐透型（0）和数字型（1）。"));
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), -1, 10, 3}));
    // A name of thousands of characters is quoted, not repeated whole.
    EXPECT_LT(lotteryProblem({QString(5000, QLatin1Char('x')), 0, 5, 6})->size(), 100);
}

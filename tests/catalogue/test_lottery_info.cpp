#include "../support/error_of.h"
#include "catalogue/catalogue_source.h"
#include "catalogue/lottery_info.h"

#include <gtest/gtest.h>

namespace {

CatalogueRow row(const char *kind, const char *total, const char *count, const QString &backName = {},
                 const QString &backTotal = {}, const QString &backCount = {})
{
    return {QStringLiteral("a"),
            QString::fromUtf8(kind),
            QString::fromUtf8(total),
            QString::fromUtf8(count),
            backName,
            backTotal,
            backCount,
            {}};
}

std::string rowError(const CatalogueRow &bad)
{
    return ::errorOf([&] { lotteryFromRow(bad); });
}

} // namespace

TEST(LotteryFromRow, ReadsStrictIntegers)
{
    CatalogueRow shuangseqiu = row("0", "33", "6");
    shuangseqiu.name = QStringLiteral("双色球");
    EXPECT_EQ(lotteryFromRow(shuangseqiu), (LotteryInfo{QStringLiteral("双色球"), {0, 33, 6}}));
}

// A pick applies the first row of its name; a name typed into the list
// that no row carries applies the last row, as the walk through the rows ends.
TEST(LotteryFromRow, RowAPickApplies)
{
    std::vector<CatalogueRow> rows(3, row("0", "33", "6"));
    rows[0].name = QStringLiteral("双色球");
    rows[1].name = QStringLiteral("大乐透");
    rows[2].name = QStringLiteral("双色球");
    EXPECT_EQ(pickedRow(rows, QStringLiteral("双色球")), &rows[0]);
    EXPECT_EQ(pickedRow(rows, QStringLiteral("大乐透")), &rows[1]);
    EXPECT_EQ(pickedRow(rows, QStringLiteral("大乐")), &rows[2]);
    EXPECT_EQ(namedRow(rows, QStringLiteral("大乐")), nullptr);
    EXPECT_EQ(pickedRow({}, QStringLiteral("双色球")), nullptr);
}

TEST(LotteryFromRow, TextThatIsNoIntegerNamesItself)
{
    EXPECT_EQ(rowError(row("x", "33", "6")), "'x' 不是一个有效的整形值");
    EXPECT_EQ(rowError(row("0", "33", "6.5")), "'6.5' 不是一个有效的整形值");
    EXPECT_EQ(rowError(row("0", " 33", "6")), "' 33' 不是一个有效的整形值");
    EXPECT_EQ(rowError(row("0", "33", "")), "'' 不是一个有效的整形值");
    EXPECT_EQ(
        rowError(row("0", "33", "6", QStringLiteral("蓝球"), QStringLiteral("十六"), QStringLiteral("1"))),
        "'十六' 不是一个有效的整形值");
}

TEST(LotteryFromRow, BackZoneColumnsEmptyOrZeroMeanASinglePool)
{
    const Lottery single{0, 33, 6};
    EXPECT_EQ(lotteryFromRow(row("0", "33", "6")).lottery, single);
    EXPECT_EQ(
        lotteryFromRow(row("0", "33", "6", QStringLiteral("蓝球"), QStringLiteral("16"), QStringLiteral("0")))
            .lottery,
        single);
    // Whatever stands in the other two columns of a single pool is not read.
    EXPECT_EQ(lotteryFromRow(row("0", "33", "6", QStringLiteral("x"), QStringLiteral("?"), {})).lottery,
              single);
    EXPECT_EQ(
        lotteryFromRow(row("0", "33", "6", QStringLiteral("蓝球"), QStringLiteral("16"), QStringLiteral("1")))
            .lottery,
        Lottery(0, 33, 6, "蓝球", 16, 1));
    EXPECT_EQ(lotteryFromRow(row("1", "10", "6", {}, QStringLiteral("15"), QStringLiteral("1"))).lottery,
              Lottery(1, 10, 6, "后区", 15, 1));
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
    EXPECT_NE(lotteryProblem({QStringLiteral("彩"), {0, 5, 6}})->message.find("彩"), std::string::npos);
    // Only the two kinds exist; a 2 or -1 from a catalogue is no Digit lottery.
    EXPECT_EQ(lotteryProblem({QStringLiteral("a"), {2, 10, 3}}),
              Refusal{"彩票“a”的彩票类型为2，程序只能处理乐透型（0）和数字型（1）。"});
    EXPECT_TRUE(lotteryProblem({QStringLiteral("a"), {-1, 10, 3}}));
    // A name of thousands of characters is quoted, not repeated whole.
    EXPECT_LT(
        QString::fromStdString(lotteryProblem({QString(5000, QLatin1Char('x')), {0, 5, 6}})->message).size(),
        100);
}

TEST(CatalogueSource, ReadsRowsAndRefusesOnesTheProgramCannotServe)
{
    const auto rows
        = parseCatalogueSource("彩票名称,彩票类型,号码总数,号码个数\r\n双色球,0,33,6\r\n\n 福彩3D,1,10,3 \n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (LotteryInfo{QStringLiteral("福彩3D"), {1, 10, 3}}));
    EXPECT_EQ(errorOf([] { parseCatalogueSource("h\na,0,33\n"); }), "line 2: expected 4, 7 or 8 fields");
    // A back zone follows in three more fields; left empty, a single pool.
    const auto zones = parseCatalogueSource("h\n双色球,0,33,6,蓝球,16,1\n七乐彩,0,30,7,,,\n");
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].lottery, Lottery(0, 33, 6, "蓝球", 16, 1));
    EXPECT_EQ(zones[1].lottery, Lottery(0, 30, 7));
    // The eighth field names the front zone.
    const auto red = parseCatalogueSource("h\n双色球,0,33,6,蓝球,16,1,红球\n");
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].lottery.frontZoneName(), "红球");
    EXPECT_EQ(errorOf([] { parseCatalogueSource("h\na,0,33,6,蓝球,0,1\n"); }),
              "line 2: 彩票“a”的蓝球总数为0，程序只能处理1到99的蓝球总数。");
    EXPECT_EQ(errorOf([] { parseCatalogueSource("h\na,0,33,6\nb,0,3x,6\n"); }),
              "line 3: '3x' 不是一个有效的整形值");
    EXPECT_EQ(errorOf([] { parseCatalogueSource("h\nb,2,10,3\n"); }),
              "line 2: 彩票“b”的彩票类型为2，程序只能处理乐透型（0）和数字型（1）。");
}

TEST(LotteryToAdd, NamesMustBeTextThatComesBackAsTyped)
{
    const auto refusal = [](const QString &name) {
        LotteryForm form;
        form.name = name;
        form.total = QStringLiteral("33");
        form.count = QStringLiteral("6");
        const auto checked = lotteryToAdd(form);
        return checked.accepted() ? QString() : QString::fromStdString(checked.refusal());
    };
    EXPECT_EQ(refusal(QStringLiteral("双色球 ")), QString()); // blanks are kept
    EXPECT_EQ(refusal(QStringLiteral("a\nb")), QStringLiteral("彩票名称不能包含换行符或空字符！"));
    // The store would hand U+FFFF back as U+FFFD: a name nobody typed.
    for (const QString &name :
         {QStringLiteral("a\tb"), QStringLiteral("a\x1B[2J"), QString(1, QChar(0xFFFF))})
        EXPECT_EQ(refusal(name), QStringLiteral("彩票名称不能包含控制字符或无效字符！"));
}

TEST(LotteryProblem, BackZoneBounds)
{
    const auto problem = [](const Lottery &lottery) {
        return lotteryProblem({QStringLiteral("a"), lottery}).value_or(Refusal{}).message;
    };
    EXPECT_EQ(problem({0, 33, 6, "蓝球", 16, 1}), "");
    EXPECT_EQ(problem({1, 10, 6, "后区", 15, 1}), "");
    EXPECT_EQ(problem({0, 99, 54, "后区", 99, 1}), ""); // 55 numbers in all
    EXPECT_EQ(problem({1, 10, 2, "后区", 3, 3}), "");   // a back count up to its total
    EXPECT_EQ(problem({0, 33, 6, "蓝球", 0, 1}), "彩票“a”的蓝球总数为0，程序只能处理1到99的蓝球总数。");
    EXPECT_EQ(problem({0, 33, 6, "蓝球", 100, 1}), "彩票“a”的蓝球总数为100，程序只能处理1到99的蓝球总数。");
    EXPECT_EQ(problem({0, 35, 5, "后区", 12, 13}), "彩票“a”的后区个数为13，后区个数应在1到后区总数12之间。");
    EXPECT_EQ(problem({1, 10, 5, "后区", 12, -1}), "彩票“a”的后区个数为-1，后区个数应在1到后区总数12之间。");
    EXPECT_EQ(problem({0, 99, 54, "后区", 99, 2}),
              "彩票“a”的号码个数与后区个数共56个，程序一注只能处理55个号码。");
    EXPECT_EQ(problem({0, 33, 6, "", 16, 1}), "彩票“a”的后区没有名称。");
    // The front's bounds still come first.
    EXPECT_EQ(problem({0, 5, 6, "后区", 0, 1}), "彩票“a”的乐透型彩票的号码个数6不能大于号码总数5。");
}

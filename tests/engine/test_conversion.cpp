#include "base/app_error.h"
#include "base/lottery.h"
#include "engine/conversion.h"
#include "engine/methods.h"
#include "engine/option_lists.h"
#include "requests.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

ConversionRequest request(int kind, int total, std::vector<std::string> boxes, std::string method,
                          std::string direction = "东")
{
    const int count = static_cast<int>(boxes.size());
    return workedRequest({kind, total, count}, std::move(boxes), std::move(method), std::move(direction));
}

std::string row(const ConversionRequest &r)
{
    DrawGenerator draws;
    const ConversionResult result = convert(r, draws);
    if (!result.accepted())
        return "refused: " + result.refusal();
    return r.lottery.betText(result.value());
}

std::string errorOf(const ConversionRequest &r)
{
    DrawGenerator draws;
    try {
        convert(r, draws);
    } catch (const AppError &error) {
        return error.what();
    }
    return "no error";
}

const std::vector<std::string> kBoxes{"3", "7", "12", "19", "25", "31"};

} // namespace

TEST(Multiplier, ComesFromTheDateDigitsAndTheDirection)
{
    EXPECT_EQ(DateDigitSum("2024", "05", "17", "08"), 2);  // 29 → 11 → 2
    EXPECT_EQ(DateDigitSum("2001", "01", "01", "05"), 10); // exactly 10 stays
    EXPECT_EQ(DateDigitSum("2099", "12", "31", "23"), 5);  // 41 → 5
    EXPECT_EQ(DirectionNumber("先天八卦", "东"), 6);
    EXPECT_EQ(DirectionNumber("先天八卦", "西北"), 2);
    EXPECT_EQ(DirectionNumber("后天八封", "西北"), 5);
    EXPECT_EQ(DirectionNumber("后天八封", "东北"), 8);
    EXPECT_EQ(DirectionNumber("后天八卦", "东"), 0); // typed with 卦: in neither table
    EXPECT_EQ(DirectionNumber("先天八卦", "中"), 0);
    EXPECT_EQ(Multiplier(2, 6), 3); // 36 mod 2 = 0 → 3
    EXPECT_EQ(Multiplier(2, 5), 1);
    EXPECT_EQ(Multiplier(10, 0), 3);
    EXPECT_EQ(Multiplier(0, 6), 3); // no divisor: the same 3
}

TEST(Conversion, PairMethodWorkedExamples)
{
    EXPECT_EQ(row(request(Lotto, 33, kBoxes, "太极图阳邻修正")), "02 03 04 16 31 32");
    ConversionRequest houtian = request(Lotto, 33, kBoxes, "太极图阳邻修正", "西北");
    houtian.arrangement = "后天八封";
    EXPECT_EQ(row(houtian), "04 08 20 23 30 32");
    for (const char *direction : {"南", "西", "西北", "随便"}) {
        ConversionRequest typed = request(Lotto, 33, kBoxes, "太极图阳邻修正", direction);
        typed.arrangement = "八卦";
        EXPECT_EQ(row(typed), "02 03 04 16 31 32") << direction;
    }
    EXPECT_EQ(row(request(Digit, 10, {"1", "5", "9"}, "洛书阳邻修正")), "9 5 1");
}

TEST(Conversion, RepeatsAreSettledByTheFirstDraws)
{
    EXPECT_EQ(row(request(Lotto, 33, {"1", "2", "3"}, "太极图阴邻修正", "北")), "01 02 29");

    // Equal original numbers are accepted and come out distinct.
    DrawGenerator draws;
    const auto result = convert(request(Lotto, 33, {"5", "5", "5", "5", "5", "5"}, "五行修正"), draws);
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(std::set<std::string>(result.value().begin(), result.value().end()).size(), 6u);
    EXPECT_TRUE(std::is_sorted(result.value().begin(), result.value().end()));
    EXPECT_NE(draws.seed(), 0u);
}

TEST(Conversion, LottoWithAsManyNumbersAsItsTotalStillEnds)
{
    DrawGenerator draws;
    const auto result = convert(request(Lotto, 7, {"1", "1", "1", "1", "1", "1", "1"}, "怪数7修正"), draws);
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.value(), (std::vector<std::string>{"01", "02", "03", "04", "05", "06", "07"}));
}

TEST(Conversion, GeneralizedMethodWorkedExamples)
{
    ConversionRequest lotto = request(Lotto, 33, {"2", "3", "1", "4", "2", "6"}, "广义阴阳五行修正");
    lotto.initial = "8";
    lotto.year = "abc"; // the date and direction are not read
    lotto.month = "";
    lotto.arrangement = "?";
    EXPECT_EQ(row(lotto), "02 04 16 17 22 24");
    ConversionRequest digit = request(Digit, 10, {"1", "2", "3"}, "广义阴阳五行修正");
    digit.initial = "4";
    EXPECT_EQ(row(digit), "1 5 0");
    // Control quantities of 0 or below make no step.
    ConversionRequest still = request(Digit, 10, {"0", "-4", "0"}, "广义阴阳五行修正");
    still.initial = "6";
    EXPECT_EQ(row(still), "0 0 2"); // 06 × 7 → 02 (units 42 mod 10), zeros stay
    // In a Lotto lottery the cascade's 00s are no numbers: they are settled
    // like a number above the total, by the corrections and then the draws.
    ConversionRequest zeros = request(Lotto, 33, {"0", "0", "0", "0", "0", "0"}, "广义阴阳五行修正");
    zeros.initial = "8";
    // Three positions come out 00; each is drawn afresh: 01, 02, 29, the
    // first draws of the run.
    EXPECT_EQ(row(zeros), "01 02 06 07 10 29");
    zeros.boxes = {"2", "0", "-1", "0", "2", "0"};
    EXPECT_EQ(row(zeros).find("00"), std::string::npos);
}

TEST(Conversion, EntryRefusals)
{
    EXPECT_EQ(row(request(Digit, 10, {"1", "10", "2"}, "合数修正")), "refused: 请输入0到9的原始号码！");
    // The refusal names the lottery's own range, as its prompt does.
    EXPECT_EQ(row(request(Digit, 7, {"1", "7", "2"}, "合数修正")), "refused: 请输入0到6的原始号码！");
    EXPECT_EQ(row(request(Digit, 7, {"1", "6", "-1"}, "合数修正")), "refused: 请输入0到6的原始号码！");
    EXPECT_EQ(row(request(Lotto, 33, {"34", "1", "2"}, "合数修正")), "refused: 请输入1到33的原始号码！");
    // Below the range as above it: a front 0 would come out as 00.
    EXPECT_EQ(row(request(Lotto, 33, {"0", "7", "12", "19", "25", "31"}, "怪数7修正")),
              "refused: 请输入1到33的原始号码！");
    EXPECT_EQ(row(request(Lotto, 33, {"1", "-5", "3"}, "合数修正")), "refused: 请输入1到33的原始号码！");
    EXPECT_EQ(row(request(Lotto, 33, {"1", "33", "3"}, "合数修正")).find("refused"), std::string::npos);
    EXPECT_EQ(row(request(Digit, 7, {"0", "6", "3"}, "合数修正")).find("refused"), std::string::npos);
    EXPECT_EQ(row(request(Lotto, 33, {"5", "", "40"}, "合数修正")), "refused: 请输入原始号码！");

    ConversionRequest generalized = request(Lotto, 33, {"1", "7", "1", "1", "1", "1"}, "广义阴阳五行修正");
    EXPECT_EQ(row(generalized), "refused: 请输入初始号码！");
    generalized.initial = "34";
    EXPECT_EQ(row(generalized), "refused: 请输入1到33的初始号码！");
    generalized.initial = "33";
    EXPECT_EQ(row(generalized), "refused: 请输入1到6的控制量数！");
    generalized.boxes[1] = "";
    EXPECT_EQ(row(generalized), "refused: 请输入控制量数！");
    ConversionRequest digit = request(Digit, 10, {"1", "1", "1"}, "广义阴阳五行修正");
    digit.initial = "10";
    EXPECT_EQ(row(digit), "refused: 请输入0到9的初始号码！");
    generalized.initial = "0";
    EXPECT_EQ(row(generalized), "refused: 请输入1到33的初始号码！");
}

TEST(Conversion, TextsThatAreNoIntegersStopTheConversion)
{
    EXPECT_EQ(errorOf(request(Lotto, 33, {"1", "x2", "3"}, "合数修正")), "'x2' 不是一个有效的整形值");
    ConversionRequest month = request(Lotto, 33, {"1", "2", "3"}, "合数修正");
    month.month = "5";
    EXPECT_EQ(errorOf(month), "'' 不是一个有效的整形值");
    month.month = "0五";
    EXPECT_EQ(errorOf(month), "'五' 不是一个有效的整形值");
    ConversionRequest initial = request(Lotto, 33, {"1", "2", "3"}, "广义阴阳五行修正");
    initial.initial = "8 ";
    EXPECT_EQ(errorOf(initial), "'8 ' 不是一个有效的整形值");
}

// 七乐彩 (30/7), 快乐8 (80/10) and small Lotto lotteries: the corrections
// alone can leave a number above the total; the bet must still be playable.
TEST(Conversion, EveryLottoBetIsDistinctNumbersWithinTheTotal)
{
    RandomRequests requests;
    DrawGenerator draws;
    for (const auto &[total, count] : {std::pair{30, 7}, {80, 10}, {12, 5}, {16, 1}}) {
        for (int i = 0; i < 3000; ++i) {
            const ConversionRequest r = requests.next({Lotto, total, count});
            const ConversionResult result = convert(r, draws);
            ASSERT_TRUE(result.accepted()) << result.refusal();
            ASSERT_EQ(result.value().size(), static_cast<size_t>(count));
            std::set<int> numbers;
            for (const std::string_view cell : result.value()) {
                ASSERT_EQ(cell.size(), 2u) << describe(r);
                const int value = std::stoi(std::string(cell));
                ASSERT_GE(value, 1) << describe(r);
                ASSERT_LE(value, total) << describe(r);
                numbers.insert(value);
            }
            ASSERT_EQ(numbers.size(), static_cast<size_t>(count)) << describe(r);
            ASSERT_TRUE(std::is_sorted(result.value().begin(), result.value().end())) << describe(r);
        }
    }
}

// Digit lotteries of fewer than ten numbers (0 to 4 has a total of 5).
TEST(Conversion, EveryDigitBetStaysBelowTheTotal)
{
    RandomRequests requests;
    DrawGenerator draws;
    for (const int total : {2, 5, 7, 9}) {
        for (int i = 0; i < 3000; ++i) {
            const ConversionRequest r = requests.next({Digit, total, 1 + i % 5});
            const ConversionResult result = convert(r, draws);
            ASSERT_TRUE(result.accepted()) << result.refusal();
            ASSERT_EQ(result.value().size(), r.boxes.size());
            for (const std::string_view cell : result.value()) {
                ASSERT_EQ(cell.size(), 1u) << describe(r);
                ASSERT_GE(cell[0], '0') << describe(r);
                ASSERT_LT(cell[0] - '0', total) << describe(r);
            }
        }
    }
    EXPECT_EQ(draws.seed(), 0u); // Digit bets never draw
}

TEST(Conversion, NumbersOutsideTheRangeAreSettled)
{
    // 七乐彩: box 18 scales by 3 to 34, which both corrections fold back to
    // 34; it is drawn afresh like a repeat: 01 (taken), 01 (taken), 26.
    EXPECT_EQ(row(request(Lotto, 30, {"18", "2", "3", "4", "5", "6", "7"}, "怪数7修正")),
              "01 02 05 06 08 09 26");
    // Digit 0–4: 合数修正 turns 00 into 05, as 5 is not above the total;
    // it wraps to 0.
    EXPECT_EQ(row(request(Digit, 5, {"0", "1", "4"}, "合数修正")), "0 3 2");
}

TEST(Conversion, MendedFaultsAreRefusedOrDefined)
{
    // A zero date digit sum has no remainder; the multiplier is 3.
    ConversionRequest zeros = request(Lotto, 33, kBoxes, "太极图阳邻修正");
    zeros.year = "0000";
    zeros.month = zeros.day = zeros.hour = "00";
    EXPECT_EQ(row(zeros), "02 03 04 16 31 32");

    EXPECT_EQ(row(request(Lotto, 33, kBoxes, "怪数8修正")), "refused: 请选择修正方法！");
    EXPECT_EQ(row(request(Lotto, 33, kBoxes, "")), "refused: 请选择修正方法！");
    EXPECT_NE(row(request(Lotto, 5, kBoxes, "合数修正")).find("不能大于号码总数"), std::string::npos);
    EXPECT_NE(row(request(Lotto, 120, kBoxes, "合数修正")).find("号码总数为120"), std::string::npos);
    EXPECT_NE(row(request(Lotto, 33, {}, "合数修正")).find("号码个数为0"), std::string::npos);
    ConversionRequest shortBoxes = request(Lotto, 33, {"1", "2"}, "合数修正");
    shortBoxes.lottery.count = 3;
    EXPECT_EQ(row(shortBoxes), "refused: 号码框的个数少于彩票的号码个数。");
}

TEST(DrawGenerator, FirstDrawsFromSeedZero)
{
    DrawGenerator below33;
    std::vector<int> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.push_back(static_cast<int>(below33.next(33)) + 1);
    EXPECT_EQ(drawn, (std::vector<int>{1, 2, 29, 7, 10}));
    DrawGenerator below10;
    drawn.clear();
    for (int i = 0; i < 5; ++i)
        drawn.push_back(static_cast<int>(below10.next(10)) + 1);
    EXPECT_EQ(drawn, (std::vector<int>{1, 1, 9, 3, 3}));
}

// Lotteries with a back zone (双色球's 蓝球, 大乐透's 后区, 七星彩's 后区):
// the front zone converts exactly as a single pool would, the back zone as
// a lottery of its own after it.
#include "base/app_error.h"
#include "engine/conversion.h"
#include "engine/prompts.h"
#include "engine/provenance.h"
#include "requests.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const Lottery kShuangseqiu{Lotto, 33, 6, "蓝球", 16, 1};
const Lottery kDaletou{Lotto, 35, 5, "后区", 12, 2};
const Lottery kQixingcai{Digit, 10, 6, "后区", 15, 1};

ConversionRequest request(const Lottery &lottery, std::vector<std::string> boxes,
                          std::string method = "太极图阳邻修正")
{
    return workedRequest(lottery, std::move(boxes), std::move(method));
}

ConversionResult converted(const ConversionRequest &r)
{
    DrawGenerator draws;
    return convert(r, draws);
}

std::string outcome(const ConversionRequest &r)
{
    try {
        const ConversionResult result = converted(r);
        return result.accepted() ? r.lottery.betText(result.value()) : "refused: " + result.refusal();
    } catch (const AppError &error) {
        return std::string("error: ") + error.what();
    }
}

} // namespace

TEST(TwoZones, WorkedExamples)
{
    // The front is the first worked example; the blue ball 07 is scaled by
    // the same Multiplier 3 to 01 and moved on by 太极图阳邻修正 to 02.
    EXPECT_EQ(outcome(request(kShuangseqiu, {"3", "7", "12", "19", "25", "31", "7"})),
              "02 03 04 16 31 32 + 02");
    ConversionRequest generalized
        = request(kShuangseqiu, {"2", "3", "1", "4", "2", "6", "9"}, "广义阴阳五行修正");
    generalized.initial = "8";
    generalized.year = "?"; // not read by the generalized method, for the back zone neither
    // 09 × 7 → 03, which 五行修正 leaves within 16.
    EXPECT_EQ(outcome(generalized), "02 04 16 17 22 24 + 03");
    // A Digit zone keeps the box order and the decimal form: 04 × 3 → 02,
    // and 洛书阳邻 moves the units 2 on to 6, within 0–14.
    EXPECT_EQ(outcome(request(kQixingcai, {"1", "5", "9", "0", "2", "4", "4"}, "洛书阳邻修正")),
              "9 5 1 0 8 6 + 6");
}

TEST(TwoZones, FrontEqualsTheSinglePoolConversionForEveryMethod)
{
    RandomRequests requests;
    for (const Lottery &lottery : {kShuangseqiu, kDaletou, kQixingcai}) {
        const Lottery single{lottery.kind, lottery.total, lottery.count};
        for (std::string_view method : kMethodNames) {
            for (int round = 0; round < 200; ++round) {
                const ConversionRequest twoZones = requests.next(lottery, method);
                ConversionRequest onePool = twoZones;
                onePool.lottery = single;
                onePool.boxes.resize(static_cast<size_t>(single.count));
                const ConversionResult both = converted(twoZones);
                const ConversionResult front = converted(onePool);
                ASSERT_TRUE(both.accepted() && front.accepted())
                    << method << " " << (both.accepted() ? front.refusal() : both.refusal());
                ASSERT_EQ(both.value().size(), static_cast<size_t>(lottery.numberCount()));
                const std::vector<std::string> frontCells(both.value().begin(),
                                                          both.value().begin() + lottery.count);
                ASSERT_EQ(frontCells, front.value()) << lottery.backName << " " << method;
            }
        }
    }
}

TEST(TwoZones, BackNumbersStayWithinTheirZone)
{
    // Small back pools make the corrections fold out of range and repeat most.
    const std::vector<Lottery> lotteries{
        kShuangseqiu,
        kDaletou,
        kQixingcai,
        {Lotto, 30, 7, "后区", 12, 5},
        {Lotto, 33, 6, "蓝球", 16, 1},
        {Lotto, 20, 3, "后区", 3, 3},
        {Digit, 10, 3, "后区", 5, 3},
        {Digit, 10, 3, "后区", 2, 2},
    };
    RandomRequests requests;
    for (const Lottery &lottery : lotteries) {
        DrawGenerator draws; // one run's generator, as the window has
        for (int round = 0; round < 3000; ++round) {
            const ConversionRequest r = requests.next(lottery);
            const ConversionResult result = convert(r, draws);
            ASSERT_TRUE(result.accepted()) << result.refusal();
            const LotteryZone back = lottery.back();
            std::set<int> distinct;
            for (int i = lottery.count; i < lottery.numberCount(); ++i) {
                const int value = std::stoi(std::string(result.value()[static_cast<size_t>(i)]));
                ASSERT_GE(value, back.lowest()) << describe(r);
                ASSERT_LE(value, back.highest()) << describe(r);
                distinct.insert(value);
            }
            if (back.isLotto()) {
                ASSERT_EQ(distinct.size(), static_cast<size_t>(back.count)) << describe(r);
            }
        }
    }
}

TEST(TwoZones, BackBoxesAreCheckedAfterTheFrontWithTheZonesName)
{
    struct Case
    {
        Lottery lottery;
        std::vector<std::string> boxes;
        const char *method;
        const char *initial;
        const char *expected;
    } cases[] = {
        // The front's refusals come first, whatever the back holds.
        {kShuangseqiu, {"1", "", "3", "4", "5", "6", ""}, "合数修正", "", "refused: 请输入原始号码！"},
        {kShuangseqiu,
         {"1", "34", "3", "4", "5", "6", "x"},
         "合数修正",
         "",
         "refused: 请输入1到33的原始号码！"},
        {kShuangseqiu,
         {"1", "x", "3", "4", "5", "6", "y"},
         "合数修正",
         "",
         "error: 'x' 不是一个有效的整形值"},
        {kShuangseqiu,
         {"1", "2", "3", "4", "5", "6", ""},
         "广义阴阳五行修正",
         "",
         "refused: 请输入初始号码！"},
        {kShuangseqiu,
         {"1", "7", "3", "4", "5", "6", ""},
         "广义阴阳五行修正",
         "8",
         "refused: 请输入1到6的控制量数！"},
        // Then the back's, named after the zone.
        {kShuangseqiu, {"1", "2", "3", "4", "5", "6", ""}, "合数修正", "", "refused: 请输入蓝球号码！"},
        {kShuangseqiu,
         {"1", "2", "3", "4", "5", "6", "17"},
         "合数修正",
         "",
         "refused: 请输入1到16的蓝球号码！"},
        {kShuangseqiu,
         {"1", "2", "3", "4", "5", "6", "0"},
         "合数修正",
         "",
         "refused: 请输入1到16的蓝球号码！"},
        {kShuangseqiu,
         {"1", "2", "3", "4", "5", "6", "-3"},
         "合数修正",
         "",
         "refused: 请输入1到16的蓝球号码！"},
        {kShuangseqiu,
         {"1", "2", "3", "4", "5", "6", "07 "},
         "合数修正",
         "",
         "error: '07 ' 不是一个有效的整形值"},
        {kShuangseqiu,
         {"1", "2", "3", "4", "5", "6", ""},
         "广义阴阳五行修正",
         "8",
         "refused: 请输入蓝球号码！"},
        {kDaletou, {"1", "2", "3", "4", "5", "12", ""}, "合数修正", "", "refused: 请输入后区号码！"},
        {kDaletou, {"1", "2", "3", "4", "5", "13", "1"}, "合数修正", "", "refused: 请输入1到12的后区号码！"},
        {kQixingcai,
         {"1", "2", "3", "4", "5", "6", "15"},
         "合数修正",
         "",
         "refused: 请输入0到14的后区号码！"},
    };
    for (const Case &c : cases) {
        ConversionRequest r = request(c.lottery, c.boxes, c.method);
        r.initial = c.initial;
        EXPECT_EQ(outcome(r), c.expected) << c.lottery.backName << " " << c.method;
    }
}

TEST(TwoZones, PromptsAndProvenanceNameBothZones)
{
    EXPECT_EQ(methodPrompt("怪数7修正", kShuangseqiu).boxesCaption,
              "原始号码：请输入6个1--33范围内数字（不重复）＋蓝球1个1--16");
    EXPECT_EQ(methodPrompt("广义阴阳五行修正", kDaletou).boxesCaption,
              "控制量数：请输入5个1--5范围内数字（可以重复）＋后区2个1--12（不重复）");
    EXPECT_EQ(methodPrompt("合数修正", kQixingcai).boxesCaption,
              "原始号码：请输入6个0--9范围内数字（可以重复）＋后区1个0--14");
    EXPECT_EQ(methodPrompt("合数修正", kShuangseqiu).initialCaption, "原始号码：请输入1个1--33范围内数字");

    ConversionRequest r = request(kDaletou, {"1", "2", "3", "4", "5", "6", "7"});
    EXPECT_EQ(describeConversion(r),
              "太极图阳邻修正：2024-05-17 08时，先天八卦，东，原始号码 1 2 3 4 5，后区 6 7");
}

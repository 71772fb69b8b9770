#include "engine/prompts.h"

#include <gtest/gtest.h>

TEST(MethodPrompt, CaptionsForEachMethodAndKind)
{
    struct Case
    {
        const char *method;
        int kind, n, k;
        const char *initial, *boxes;
        bool generalized;
    } cases[] = {
        {"怪数7修正", 0, 33, 6, "原始号码：请输入1个1--33范围内数字",
         "原始号码：请输入6个1--33范围内数字（不重复）", false},
        {"合数修正", 1, 10, 3, "原始号码：请输入1个0--9范围内数字",
         "原始号码：请输入3个0--9范围内数字（可以重复）", false},
        {"广义阴阳五行修正", 0, 33, 6, "原始号码：请输入1个1--33范围内数字",
         "控制量数：请输入6个1--6范围内数字（可以重复）", true},
        {"广义阴阳五行修正", 1, 10, 3, "原始号码：请输入1个0--9范围内数字",
         "控制量数：请输入3个1--3范围内数字（可以重复）", true},
        // Any kind but 0 is Digit; any text but the exact name is a pair method.
        {"广义阴阳五行修正 ", 7, 10, 5, "原始号码：请输入1个0--9范围内数字",
         "原始号码：请输入5个0--9范围内数字（可以重复）", false},
        {"", 0, 35, 5, "原始号码：请输入1个1--35范围内数字", "原始号码：请输入5个1--35范围内数字（不重复）",
         false},
    };
    for (const Case &c : cases) {
        const MethodPrompt prompt = methodPrompt(c.method, {c.kind, c.n, c.k});
        EXPECT_EQ(prompt.initialCaption, c.initial) << c.method;
        EXPECT_EQ(prompt.boxesCaption, c.boxes) << c.method;
        EXPECT_EQ(prompt.generalized, c.generalized) << c.method;
    }
}

// A full number moves the focus on: two digits for 双色球's red and blue
// boxes, one for 福彩3D, one for a control quantity up to 6, two for one up
// to 10, and the back zone's own width whatever the method.
TEST(MethodPrompt, DigitsEachBoxTakes)
{
    const Lottery ssq{Lotto, 33, 6, kDefaultBackName, 16, 1};
    EXPECT_EQ(boxDigits(ssq, false, 0), 2);
    EXPECT_EQ(boxDigits(ssq, false, 6), 2);
    EXPECT_EQ(boxDigits(ssq, true, 5), 1);
    EXPECT_EQ(boxDigits(ssq, true, 6), 2);
    EXPECT_EQ(boxDigits({Digit, 10, 3}, false, 2), 1);
    EXPECT_EQ(boxDigits({Lotto, 80, 10}, true, 0), 2);
    EXPECT_EQ(boxDigits({Lotto, 80, 9}, true, 8), 1);
    EXPECT_EQ(boxDigits({Digit, 10, 6, kDefaultBackName, 15, 1}, false, 6), 2);
    EXPECT_EQ(boxDigits({Digit, 10, 6, kDefaultBackName, 10, 1}, false, 6), 1);
}

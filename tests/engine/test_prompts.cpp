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

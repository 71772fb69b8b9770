#include "engine/provenance.h"

#include <gtest/gtest.h>

TEST(Provenance, TellsHowABetCameAbout)
{
    ConversionRequest r{{0, 33, 3}, "太极图阳邻修正", "先天八卦", "东", "2024", "05", "17", "08",
                        "",         {"3", "7", "12"}};
    EXPECT_EQ(describeConversion(r), "太极图阳邻修正：2024-05-17 08时，先天八卦，东，原始号码 3 7 12");
    r.method = "广义阴阳五行修正";
    r.initial = "8";
    EXPECT_EQ(describeConversion(r), "广义阴阳五行修正：初始号码 8，控制量数 3 7 12");
}

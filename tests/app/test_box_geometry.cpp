#include "app/box_geometry.h"
#include "base/lottery.h"

#include <gtest/gtest.h>

TEST(BoxGeometry, SplitsTheGroupWidthEvenly)
{
    EXPECT_EQ(boxGeometry(0, 3, 441, 42), QRect(5, 13, 140, 21));
    EXPECT_EQ(boxGeometry(1, 3, 441, 42).left(), 151);
    EXPECT_EQ(boxGeometry(2, 3, 441, 42).left(), 297);
    const int lefts5[] = {5, 92, 179, 266, 353};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(boxGeometry(i, 5, 441, 42).left(), lefts5[i]);
        EXPECT_EQ(boxGeometry(i, 5, 441, 42).width(), 81);
    }
    const int lefts7[] = {5, 67, 129, 191, 253, 315, 377};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(boxGeometry(i, 7, 441, 42), QRect(lefts7[i], 13, 56, 21));
    }
    EXPECT_GE(boxGeometry(54, kMaxBoxCount, 441, 42).width(), 1);
}

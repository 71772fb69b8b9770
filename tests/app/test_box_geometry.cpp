#include "app/box_geometry.h"
#include "base/lottery.h"

#include <gtest/gtest.h>

#include <vector>

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
}

// Boxes keep one row while they are wide enough for two digits; beyond
// that they wrap, every box that wide, none overlapping, all inside the
// group grown for them.
TEST(BoxGeometry, WrapsBoxesTooNarrowForTwoDigits)
{
    EXPECT_EQ(boxRows(16, 441), 1);
    EXPECT_EQ(boxGeometry(15, 16, 441, 42), QRect(395, 13, 20, 21));
    EXPECT_EQ(extraBoxRowsHeight(16, 441, 42), 0);
    EXPECT_EQ(boxRows(17, 441), 2);
    for (int count : {17, 33, kMaxBoxCount}) {
        const int height = 42 + extraBoxRowsHeight(count, 441, 42);
        std::vector<QRect> boxes;
        for (int i = 0; i < count; ++i) {
            const QRect box = boxGeometry(i, count, 441, height);
            EXPECT_GE(box.width(), kNarrowestBox) << count << " boxes, box " << i;
            EXPECT_EQ(box.height(), 21);
            EXPECT_LT(box.right(), 441);
            EXPECT_LT(box.bottom(), height);
            for (const QRect &other : boxes)
                EXPECT_FALSE(box.intersects(other)) << count << " boxes, box " << i;
            boxes.push_back(box);
        }
    }
    EXPECT_EQ(extraBoxRowsHeight(kMaxBoxCount, 441, 42), 72);
}

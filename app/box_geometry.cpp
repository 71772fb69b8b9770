#include "app/box_geometry.h"

#include <algorithm>

namespace {

constexpr int kRowGap = 3;

int boxWidth(int perRow, int groupWidth)
{
    return groupWidth / perRow - 7;
}

} // namespace

int boxRows(int count, int groupWidth)
{
    if (count <= 0 || boxWidth(count, groupWidth) >= kNarrowestBox)
        return 1;
    const int perRow = std::max(1, groupWidth / (kNarrowestBox + 7));
    return (count + perRow - 1) / perRow;
}

int extraBoxRowsHeight(int count, int groupWidth, int designHeight)
{
    return (boxRows(count, groupWidth) - 1) * (designHeight / 2 + kRowGap);
}

QRect boxGeometry(int index, int count, int groupWidth, int groupHeight)
{
    const int rows = boxRows(count, groupWidth);
    const int perRow = (count + rows - 1) / rows;
    const int width = boxWidth(perRow, groupWidth);
    const int height = (groupHeight - kRowGap * (rows - 1)) / (rows + 1);
    return QRect(index % perRow * (width + 6) + 5, 13 + index / perRow * (height + kRowGap), width, height);
}

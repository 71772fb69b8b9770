#include "app/box_geometry.h"

QRect boxGeometry(int index, int count, int groupWidth, int groupHeight)
{
    const int width = groupWidth / count - 7;
    return QRect(index * (width + 6) + 5, 13, width, groupHeight / 2);
}

#pragma once

#include <QRect>

// Where box `index` of `count` number boxes stands inside a group of the
// given size: width G div n − 7, height H div 2, left i × (width + 6) + 5,
// top 13.
QRect boxGeometry(int index, int count, int groupWidth, int groupHeight);

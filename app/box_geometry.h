#pragma once

#include <QRect>

// The narrowest number box that still shows two digits.
inline constexpr int kNarrowestBox = 20;

// How many rows the number boxes take in a group of the given width: one
// while the boxes, sharing the width, are kNarrowestBox wide or wider;
// otherwise as few rows as keep them that wide.
int boxRows(int count, int groupWidth);

// How much taller than designed the group grows to hold its rows of boxes:
// a box's height and a gap for each row after the first.
int extraBoxRowsHeight(int count, int groupWidth, int designHeight);

// Where box `index` of `count` number boxes stands inside a group of the
// given size. In one row: width G div n − 7, height H div 2, left
// i × (width + 6) + 5, top 13. Over several rows the boxes share them as
// evenly as they can, each row as the one row is, 3 pixels apart.
QRect boxGeometry(int index, int count, int groupWidth, int groupHeight);

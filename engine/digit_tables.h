#pragma once

#include <array>
#include <cstdint>

// A replacement digit for each digit 0..9.
using DigitMap = std::array<std::uint8_t, 10>;

// The two ring tables: odd digits on one ring of four, even digits on
// another, 0 and 5 fixed. 阳邻 is the next digit on the ring, 阴邻 the
// previous one, 阳跳 and 阴跳 the digit two places away.
struct RingTable
{
    DigitMap yangLin;
    DigitMap yangTiao;
    DigitMap yinLin;
    DigitMap yinTiao;
};

// 河图: 1 → 7 → 9 → 3 → 1 and 2 → 4 → 8 → 6 → 2.
inline constexpr RingTable HetuTable{
    {0, 7, 4, 1, 8, 5, 2, 9, 6, 3},
    {0, 9, 8, 7, 6, 5, 4, 3, 2, 1},
    {0, 3, 6, 9, 2, 5, 8, 1, 4, 7},
    {0, 9, 8, 7, 6, 5, 4, 3, 2, 1},
};

// 洛书: the same rings run the other way, 1 → 3 → 9 → 7 → 1 and 2 → 6 → 8 → 4 → 2.
inline constexpr RingTable LuoshuTable{
    {0, 3, 6, 9, 2, 5, 8, 1, 4, 7},
    {0, 9, 8, 7, 6, 5, 4, 3, 2, 1},
    {0, 7, 4, 1, 8, 5, 2, 9, 6, 3},
    {0, 9, 8, 7, 6, 5, 4, 3, 2, 1},
};

// 补数 (10 − d) mod 10, 凑数 (15 − d) mod 10, 合数 (d + 5) mod 10.
inline constexpr DigitMap ComplementTable{0, 9, 8, 7, 6, 5, 4, 3, 2, 1};
inline constexpr DigitMap MakeUpTable{5, 4, 3, 2, 1, 0, 9, 8, 7, 6};
inline constexpr DigitMap CombineTable{5, 6, 7, 8, 9, 0, 1, 2, 3, 4};

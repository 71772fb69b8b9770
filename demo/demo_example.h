#pragma once

#include <array>

// The one conversion the demonstration walks a new player through. Its pages
// and the pictures of the main window on them are made from these values, so
// text and picture always agree.
namespace demo {

inline constexpr const char *kLottery = "双色球";
inline constexpr int kTotal = 33;
inline constexpr std::array<int, 6> kOriginals{3, 7, 12, 19, 25, 31};
inline constexpr const char *kBackName = "蓝球";
inline constexpr int kBackTotal = 16;
inline constexpr int kBackOriginal = 7; // the blue ball's box
inline constexpr const char *kYear = "2024";
inline constexpr const char *kMonth = "05";
inline constexpr const char *kDay = "17";
inline constexpr const char *kHour = "08";
inline constexpr const char *kArrangement = "先天八卦";
inline constexpr const char *kDirection = "东";
inline constexpr const char *kMethod = "太极图阳邻修正";

} // namespace demo

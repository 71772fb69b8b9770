#pragma once

#include "base/lottery.h"
#include "base/outcome.h"
#include "wheels/covering.h"
#include "wheels/zone_choice.h"

#include <string>
#include <vector>

// What the 组号 window's controls mean, apart from the window: the marks on a
// zone's balls as a ZoneChoice, the guarantees a wheel can offer for the
// numbers chosen, the price line and the room left in the result grid.

// A ball's mark; a click moves it to the next one: 选, 胆, 杀, then none.
enum class BallMark { None, Chosen, Banker, Killed };
BallMark nextMark(BallMark mark);

// The zone's choice: marks[i] belongs to number lowest + i. Killed balls are
// left out, as are unmarked ones.
ZoneChoice zoneChoice(const std::vector<BallMark> &marks, int lowest);

// Typed numbers for one zone: "01 05 12" marks 选; after "胆:" numbers are
// 胆, after "拖:" 选 again; commas, spaces and "，" separate. Refused for
// anything that is no number of lowest..highest.
Outcome<std::vector<BallMark>> parseZoneText(const std::string &text, int lowest, int highest);

// The wheels ("中m保t") that make sense for `chosen` numbers and bets of `k`:
// 2 ≤ t ≤ m ≤ k, m ≤ chosen, and within what covering.h can search and check
// (k < chosen ≤ 35). Ordered by m, then t, the strongest guarantee last.
std::vector<WheelTerms> offeredWheels(int chosen, int k);

// "共620160注 投入1240320元"; "注数太大，无法投注" when the sum overflows.
std::string countLine(BetCount bets, bool addOn = false);

// The result grid holds at most this many bets: a million rows stay within a
// few tens of megabytes and the undo history keeps several of them.
inline constexpr BetCount kGridCapacity = 1'000'000;
// Why `adding` bets cannot join a grid that holds `held`, or nothing.
Check gridRoom(BetCount held, BetCount adding);

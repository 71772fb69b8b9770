#pragma once

#include "base/lottery.h"
#include "base/lottery_numbers.h"
#include "base/outcome.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One zone of a draw: either distinct numbers low..high (a Lotto zone, held
// sorted) or one digit low..high per position (a Digit zone, order kept,
// repeats allowed).
struct DrawZone
{
    std::string name; // "红球", "前区", "蓝球", "后区"; empty for a single pool: used in messages
    bool digits = false;
    int low = 1;
    int high = 1;
    int count = 0; // numbers drawn

    friend bool operator==(const DrawZone &, const DrawZone &) = default;
};

// What one draw of a lottery holds. The bet of a lottery is usually the same
// shape, but need not be: 快乐8 draws 20 numbers for bets of 1 to 10, and
// 七乐彩 draws a special number that no bet holds.
struct DrawShape
{
    DrawZone front;
    std::optional<DrawZone> back;
    bool special = false; // one more number from the front's range, not among the front

    // How many numbers a line of a draw holds in all.
    int numberCount() const;

    friend bool operator==(const DrawShape &, const DrawShape &) = default;
};

// The draw shape of a catalogue lottery: the shape of its bet, front and
// back zone. A few shipped lotteries draw otherwise than they bet (快乐8,
// 七乐彩); they are known by name.
DrawShape drawShapeOf(const std::string &name, const Lottery &lottery);

// One stored draw of one lottery (开奖号码表).
struct Draw : LotteryNumbers
{
    std::string lottery; // 彩票名称
    std::string issue;   // 期号, ASCII digits as the player gave them
    std::string date;    // 开奖日期 "YYYY-MM-DD", or empty

    friend bool operator==(const Draw &, const Draw &) = default;
};

// Whether two draws hold the same numbers (the date is not compared).
bool sameNumbers(const Draw &a, const Draw &b);

// A 期号 as a number that orders draws across the two ways issues are
// written: five digits "26014" (year of two digits, then the draw of the
// year) count as "2026014". Any other run of digits counts as its value.
// Text that is no run of 1 to 12 digits gives nothing.
std::optional<std::int64_t> issueKey(const std::string &issue);

// Draws in the order of their 期号, oldest first.
void sortByIssue(std::vector<Draw> &draws);

// The numbers of a zone as the files and the store write them: two digits
// for a Lotto zone ("01 05 12"), one number a position for a Digit zone
// ("3 8 5"), separated by single spaces.
std::string zoneText(const std::vector<int> &numbers, bool digits);

// The numbers of a draw in one line: the front, then " + " and the back,
// then " + " and the special number.
std::string drawNumbersText(const Draw &draw, const DrawShape &shape);

// Why a draw does not fit the shape (count, range, repeats, the special
// number), or nothing when it fits. Numbers of a Lotto zone must be sorted.
Check drawProblem(const Draw &draw, const DrawShape &shape);

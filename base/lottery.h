#pragma once

#include "base/outcome.h"

#include <optional>
#include <string>
#include <vector>

// The two kinds of lottery. The integer is also the item index of the kind
// choice; a lottery of any other kind is refused (Lottery::problem).
enum LotteryKind : int {
    Lotto = 0, // 乐透型: distinct numbers 1..N, two digits, sorted
    Digit = 1, // 数字型: K positions of 0..N-1, repeats allowed, box order kept
};

// The lotteries the program can serve: of kind 0 (Lotto) or 1 (Digit), 1 to
// 55 numbers a bet (the row of boxes holds no more), a total of 1 to 99
// (numbers are held as two digits), and a Lotto count no larger than its
// total (a Lotto bet holds distinct numbers).
inline constexpr int kMaxBoxCount = 55;
inline constexpr int kMaxTotal = 99;

// One pool of numbers: its kind, its total N and how many of its numbers a
// bet holds (K).
struct LotteryZone
{
    int kind = Lotto;
    int total = 0;
    int count = 0;

    bool isLotto() const { return kind == Lotto; }
    // The range a number of this pool lies in: 1..N for Lotto, 0..N−1 for Digit.
    int lowest() const { return isLotto() ? 1 : 0; }
    int highest() const { return isLotto() ? total : total - 1; }

    friend bool operator==(const LotteryZone &, const LotteryZone &) = default;
};

// What the program needs to know of a lottery to convert, show, file, print
// and check its bets: the front zone and, for lotteries such as 双色球 (its
// 蓝球) and 大乐透 (its 后区), a back zone of the same kind drawn from a pool
// of its own. A back count of 0 means a single pool.
struct Lottery
{
    Lottery() = default;
    // A single pool.
    Lottery(int kind_, int total_, int count_)
        : kind(kind_)
        , total(total_)
        , count(count_)
    {}
    Lottery(int kind_, int total_, int count_, std::string backName_, int backTotal_, int backCount_)
        : kind(kind_)
        , total(total_)
        , count(count_)
        , backName(std::move(backName_))
        , backTotal(backTotal_)
        , backCount(backCount_)
    {}

    int kind = Lotto;
    int total = 0;
    int count = 0;
    std::string backName; // UTF-8, as the player calls the back zone
    // UTF-8, as the player calls the front zone of a lottery with a back zone
    // (双色球's 红球); empty means kDefaultFrontName.
    std::string frontName;
    int backTotal = 0;
    int backCount = 0;

    bool isLotto() const { return kind == Lotto; }
    bool hasBack() const { return backCount != 0; }
    // The front zone's name as the windows and messages show it.
    std::string frontZoneName() const;
    LotteryZone front() const { return {kind, total, count}; }
    LotteryZone back() const { return {kind, backTotal, backCount}; }
    // Numbers in one bet, front then back: boxes, grid columns, values a
    // line in a number file.
    int numberCount() const { return count + backCount; }

    // Why the program cannot serve this lottery (UTF-8), or nothing.
    Check problem() const;

    // A bet's numbers as one line: separated by single spaces, the back
    // zone's after " + " ("01 05 12 19 25 31 + 07").
    // Any list of texts will do: a row of the grid or a converted bet.
    template<typename Numbers>
    std::string betText(const Numbers &numbers) const
    {
        std::string text;
        size_t i = 0;
        for (const auto &number : numbers) {
            if (i > 0)
                text += hasBack() && i == static_cast<size_t>(count) ? " + " : " ";
            text += number;
            ++i;
        }
        return text;
    }

    friend bool operator==(const Lottery &, const Lottery &) = default;
};

// What a catalogue or a request that names no back zone calls it.
inline constexpr const char *kDefaultBackName = "后区";
// What a catalogue that names no front zone calls it.
inline constexpr const char *kDefaultFrontName = "前区";

#pragma once

#include "base/lottery_rules.h"

#include <QString>

#include <optional>

// One catalogue row as the store returns it: every value as text, in the
// store's own form, not yet checked.
struct CatalogueRow
{
    QString name;
    QString kind;
    QString total;
    QString count;
};

// One lottery the program can work on.
struct LotteryInfo
{
    QString name;
    int kind = 0;  // LotteryKind
    int total = 0; // N: Lotto numbers run 1..N, Digit positions hold 0..N-1
    int count = 0; // K: numbers in one bet, boxes, grid columns

    friend bool operator==(const LotteryInfo &, const LotteryInfo &) = default;
};

// Turns a row's texts into a lottery; a text that is no decimal integer
// throws AppError "'%s' 不是一个有效的整形值". The kind is read first, then the
// count and the total.
LotteryInfo lotteryFromRow(const CatalogueRow &row);

// Why the program cannot serve a lottery (see lotteryRuleProblem), naming
// it, or nothing when it can.
std::optional<QString> lotteryProblem(const LotteryInfo &lottery);

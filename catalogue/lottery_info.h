#pragma once

#include "base/lottery.h"
#include "base/quoted_text.h"

#include <QString>

#include <vector>

// quotedText for the texts the catalogue and the windows hold as QString.
inline QString quotedText(const QString &text)
{
    return QString::fromStdString(quotedText(text.toStdString()));
}

// One catalogue row as the store returns it: every value as text, in the
// store's own form, not yet checked. The back zone's values and the front
// zone's name are empty in a catalogue that has no columns for them.
struct CatalogueRow
{
    QString name;
    QString kind;
    QString total;
    QString count;
    QString backName;
    QString backTotal;
    QString backCount;
    QString frontName; // 前区名称: empty means "前区"
};

// One lottery the program can work on: its name and its numbers.
struct LotteryInfo
{
    QString name;
    Lottery lottery;

    friend bool operator==(const LotteryInfo &, const LotteryInfo &) = default;
};

// Turns a row's texts into a lottery; a text that is no decimal integer
// throws AppError "'%s' 不是一个有效的整形值". The kind is read first, then the
// count and the total, then the back count and, unless it is empty or 0
// (a single pool), the back total.
LotteryInfo lotteryFromRow(const CatalogueRow &row);

// The first row of that name, or nothing.
const CatalogueRow *namedRow(const std::vector<CatalogueRow> &rows, const QString &name);
// The row a pick from the lottery list applies: the first row of that name;
// when none carries it (a name typed into the list), the walk through the
// rows ends on the last one, which is applied. Nothing for no rows.
const CatalogueRow *pickedRow(const std::vector<CatalogueRow> &rows, const QString &name);

// Why the program cannot serve a lottery (see Lottery::problem), naming it,
// or nothing when it can.
Check lotteryProblem(const LotteryInfo &lottery);

// What the add-lottery dialog's fields hold, as typed.
struct LotteryForm
{
    QString name;
    int kind = 0;
    QString total;
    QString count;
    bool hasBack = false; // "有后区" is ticked
    QString backName;
    QString backTotal;
    QString backCount;
};

// Why the add-lottery dialog refuses its fields before it reads any number:
// an empty field (the front's name, count and total, then, when "有后区" is
// ticked, the back zone's), or a name that is no plain text.
Check addFieldsProblem(const LotteryForm &form);

// What the add-lottery dialog makes of its fields, checked in its order:
// the lottery to add, or the message that refuses the fields. A number
// field that is no decimal integer throws AppError "'%s' 不是一个有效的整形值".
Outcome<LotteryInfo> lotteryToAdd(const LotteryForm &form);

#pragma once

#include "base/lottery.h"
#include "base/quoted_text.h"

#include <QString>

#include <optional>
#include <variant>

// quotedText for the texts the catalogue and the windows hold as QString.
inline QString quotedText(const QString &text)
{
    return QString::fromStdString(quotedText(text.toStdString()));
}

// One catalogue row as the store returns it: every value as text, in the
// store's own form, not yet checked.
struct CatalogueRow
{
    QString name;
    QString kind;
    QString total;
    QString count;
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
// count and the total.
LotteryInfo lotteryFromRow(const CatalogueRow &row);

// Why the program cannot serve a lottery (see Lottery::problem), naming it,
// or nothing when it can.
std::optional<QString> lotteryProblem(const LotteryInfo &lottery);

// Why the add-lottery dialog refuses its fields before it reads any number:
// an empty field, or a name that is no plain text.
std::optional<QString> addFieldsProblem(const QString &name, const QString &totalText,
                                        const QString &countText);

// What the add-lottery dialog makes of its fields, checked in its order:
// the lottery to add, or the message that refuses the fields. A total or
// count that is no decimal integer throws AppError "'%s' 不是一个有效的整形值".
std::variant<LotteryInfo, QString> lotteryToAdd(const QString &name, int kind, const QString &totalText,
                                               const QString &countText);

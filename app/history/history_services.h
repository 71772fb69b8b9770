#pragma once

#include "base/program_folder.h"
#include "history/prize_check.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Desktop;

// The bets of the main window's grid while it works on the lottery of this
// name; nothing while it works on another, whose bets mean nothing here.
using BetSource = std::function<std::optional<std::vector<LotteryNumbers>>(const QString &lottery)>;

// What the windows of the draw history need from outside: the desktop, the
// program folder (the catalogue holds the draws and the prize rules) and
// the player's bets.
struct HistoryServices
{
    Desktop &desktop;
    ProgramFolder folder;
    BetSource bets;
};

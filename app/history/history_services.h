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

// Puts bets of the lottery of this name into the main window's grid (a
// ticket opened back from the ledger).
using BetSink = std::function<void(const QString &lottery, const std::vector<LotteryNumbers> &bets)>;

// What the windows of the draw history need from outside: the desktop, the
// program folder (the catalogue holds the draws and the prize rules),
// the player's bets and where a ticket's bets go back to.
struct HistoryServices
{
    Desktop &desktop;
    ProgramFolder folder;
    BetSource bets;
    BetSink openBets = {};
};

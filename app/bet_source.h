#pragma once

#include "history/prize_check.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The bets of the main window's grid while it works on the lottery of this
// name; nothing while it works on another, whose bets mean nothing here.
using BetSource = std::function<std::optional<std::vector<Bet>>(const QString &lottery)>;

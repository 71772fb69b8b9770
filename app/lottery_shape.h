#pragma once

#include "history/draw.h"

struct LotteryInfo;

// What a draw of the catalogue lottery holds: the one place where the
// windows of the draw history read the lottery's kind and counts.
DrawShape lotteryDrawShape(const LotteryInfo &lottery);

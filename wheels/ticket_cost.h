#pragma once

#include "wheels/binomial.h"

#include <optional>

// What a ticket costs the player, in 元: 2 a bet, and for 大乐透's 追加
// 1 more a bet. Nothing when the sum would not fit in 64 bits.
inline constexpr BetCount kYuanPerBet = 2;
inline constexpr BetCount kAddOnYuanPerBet = 1;

inline std::optional<BetCount> ticketCost(BetCount bets, bool addOn)
{
    return checkedProduct(bets, addOn ? kYuanPerBet + kAddOnYuanPerBet : kYuanPerBet);
}

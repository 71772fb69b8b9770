// A draw's hits on any row of the grid, for any lottery, with or without a
// back zone: one mark a cell whatever the cells hold, and the copied text
// of such rows.
#include "results/draw_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    Lottery lottery{input.ConsumeIntegralInRange(0, 1), input.ConsumeIntegralInRange(1, 99),
                    input.ConsumeIntegralInRange(1, 55)};
    if (input.ConsumeBool()) {
        lottery.backName = "蓝球";
        lottery.backTotal = input.ConsumeIntegralInRange(1, 99);
        lottery.backCount = input.ConsumeIntegralInRange(1, 3);
    }
    std::vector<std::string> bet;
    for (int i = input.ConsumeIntegralInRange(0, 8); i > 0; --i)
        bet.push_back(input.ConsumeRandomLengthString(4));
    LotteryNumbers winning;
    for (int i = input.ConsumeIntegralInRange(0, 60); i > 0; --i)
        winning.front.push_back(input.ConsumeIntegral<int>());
    for (int i = input.ConsumeIntegralInRange(0, 3); i > 0; --i)
        winning.back.push_back(input.ConsumeIntegral<int>());
    if (drawHits(bet, winning, lottery).size() != bet.size())
        std::abort();
    (void)copiedBets({bet, bet}, lottery);
    return 0;
}

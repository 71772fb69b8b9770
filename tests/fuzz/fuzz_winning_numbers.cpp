// The winning numbers typed for a draw check, for any lottery, with or
// without a back zone: refused with a message, or exactly each zone's count
// of numbers in its range, Lotto numbers distinct. The hits of a bet and the
// copied text follow from them.
#include "results/draw_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
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
    const std::string typed = input.ConsumeRemainingBytesAsString();

    const auto parsed = parseWinningNumbers(typed, lottery);
    if (!parsed.accepted()) {
        if (parsed.refusal().empty())
            std::abort();
        return 0;
    }
    const WinningNumbers &winning = parsed.value();
    const auto check = [](const std::vector<int> &numbers, const LotteryZone &zone) {
        if (static_cast<int>(numbers.size()) != zone.count)
            std::abort();
        for (const int number : numbers) {
            if (number < zone.lowest() || number > zone.highest())
                std::abort();
            if (zone.isLotto() && std::count(numbers.begin(), numbers.end(), number) != 1)
                std::abort();
        }
    };
    check(winning.front, lottery.front());
    check(winning.back, lottery.back());
    if (drawHits(bet, winning, lottery).size() != bet.size())
        std::abort();
    (void)copiedBets({bet, bet}, lottery);
    return 0;
}

// The winning numbers typed for a draw check, for any lottery: refused with
// a message, or exactly the lottery's count of numbers in its range, Lotto
// numbers distinct. The hits of a bet and the copied text follow from them.
#include "results/draw_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int kind = input.ConsumeIntegralInRange(0, 1);
    const int total = input.ConsumeIntegralInRange(1, 99);
    const int count = input.ConsumeIntegralInRange(1, 55);
    std::vector<std::string> bet;
    for (int i = input.ConsumeIntegralInRange(0, 8); i > 0; --i)
        bet.push_back(input.ConsumeRandomLengthString(4));
    const std::string typed = input.ConsumeRemainingBytesAsString();

    const auto parsed = parseWinningNumbers(typed, kind, total, count);
    if (const auto *refusal = std::get_if<std::string>(&parsed)) {
        if (refusal->empty())
            std::abort();
        return 0;
    }
    const std::vector<int> &numbers = std::get<std::vector<int>>(parsed);
    if (static_cast<int>(numbers.size()) != count)
        std::abort();
    for (size_t i = 0; i < numbers.size(); ++i) {
        const int low = kind == 0 ? 1 : 0;
        const int high = kind == 0 ? total : total - 1;
        if (numbers[i] < low || numbers[i] > high)
            std::abort();
        if (kind == 0 && std::count(numbers.begin(), numbers.end(), numbers[i]) != 1)
            std::abort();
    }
    if (betHits(bet, numbers, kind).size() != bet.size())
        std::abort();
    (void)copiedBets({bet, bet});
    return 0;
}

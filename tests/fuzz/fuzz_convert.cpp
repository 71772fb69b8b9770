// One press of "转换号码" with whatever the lists and boxes hold: any kind,
// total and count, any texts. Each text may instead pick an entry of its
// list, so the fuzzer reaches the arithmetic as easily as the refusals.
// Whatever is accepted is one bet of the lottery's count.
#include "base/app_error.h"
#include "engine/conversion.h"
#include "engine/methods.h"
#include "engine/option_lists.h"
#include "engine/provenance.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

namespace {

template<typename List>
std::string textOrEntry(FuzzedDataProvider &input, const List &entries)
{
    if (input.ConsumeBool())
        return std::string(entries[input.ConsumeIntegralInRange<size_t>(0, entries.size() - 1)]);
    return input.ConsumeRandomLengthString(64);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    static const std::vector<std::string> years = yearEntries(), months = monthEntries(), days = dayEntries(),
                                          hours = hourEntries();
    ConversionRequest request;
    request.lottery.kind = input.ConsumeIntegralInRange(-1, 2);
    request.lottery.total = input.ConsumeIntegralInRange(-5, 110);
    request.lottery.count = input.ConsumeIntegralInRange(-5, 60);
    if (input.ConsumeBool()) {
        request.lottery.backName = input.ConsumeBool() ? "蓝球" : input.ConsumeRandomLengthString(8);
        request.lottery.backTotal = input.ConsumeIntegralInRange(-5, 110);
        request.lottery.backCount = input.ConsumeIntegralInRange(-2, 12);
    }
    request.method = textOrEntry(input, kMethodNames);
    request.arrangement = textOrEntry(input, kArrangements);
    request.direction = textOrEntry(input, kDirections);
    request.year = textOrEntry(input, years);
    request.month = textOrEntry(input, months);
    request.day = textOrEntry(input, days);
    request.hour = textOrEntry(input, hours);
    request.initial = input.ConsumeBool() ? std::to_string(input.ConsumeIntegralInRange(-3, 120))
                                          : input.ConsumeRandomLengthString(16);
    const int boxes = input.ConsumeIntegralInRange(0, 60);
    for (int i = 0; i < boxes; ++i)
        request.boxes.push_back(input.ConsumeBool() ? std::to_string(input.ConsumeIntegralInRange(-3, 120))
                                                    : input.ConsumeRandomLengthString(16));
    DrawGenerator draws;
    try {
        const ConversionResult result = convert(request, draws);
        if (result.accepted()) {
            if (static_cast<int>(result.value().size()) != request.lottery.numberCount())
                std::abort();
            for (const std::string_view cell : result.value()) {
                if (cell.empty())
                    std::abort();
            }
            (void)describeConversion(request);
        }
    } catch (const AppError &) {
    }
    return 0;
}

// The number-file loader, both layouts; the first byte picks the current
// lottery's count. Whatever it accepts must be a whole grid.
#include "results/number_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int count = data[0] % 60;
    const std::optional<Lottery> current
        = count > 0 ? std::optional(Lottery{Lotto, kMaxTotal, count}) : std::nullopt;
    const auto parsed
        = parseNumberFile(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1), current);
    if (parsed.accepted() && parsed.value().headerError.empty()) {
        const NumberFileContent &content = parsed.value();
        const ResultGrid &grid = content.grid;
        if (grid.rowCount() < 2)
            std::abort();
        if (!grid.cell(0, 0).empty() && grid.columnCount() != content.lottery.numberCount() + 1)
            std::abort();
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c <= grid.columnCount(); ++c)
                (void)grid.cell(c, r);
        (void)savedNumberFile(grid, content.lottery);
    }
    return 0;
}

// The readable catalogue source korvel-mkcatalogue builds the shipped store
// from: any bytes give lotteries the program can serve, or an error.
#include "base/app_error.h"
#include "catalogue/catalogue_source.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const std::vector<LotteryInfo> lotteries
            = parseCatalogueSource(std::string_view(reinterpret_cast<const char *>(data), size));
        for (const LotteryInfo &lottery : lotteries) {
            if (lotteryProblem(lottery))
                std::abort();
        }
    } catch (const AppError &) {
    }
    return 0;
}

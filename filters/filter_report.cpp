#include "filters/filter_report.h"

#include <algorithm>

namespace {

// 分 as 元: "240", "4.5", "0.05".
std::string yuan(std::int64_t fen)
{
    const bool negative = fen < 0;
    const std::uint64_t magnitude
        = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(fen) : static_cast<std::uint64_t>(fen);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 100);
    const std::uint64_t cents = magnitude % 100;
    if (cents != 0) {
        text += '.' + std::to_string(cents / 10);
        if (cents % 10 != 0)
            text += std::to_string(cents % 10);
    }
    return text;
}

} // namespace

std::string ConditionRate::text() const
{
    if (draws <= 0)
        return "无可比的开奖";
    const long long percent = (static_cast<long long>(met) * 200 + draws) / (2LL * draws);
    return "近" + std::to_string(draws) + "期 " + std::to_string(percent) + "%";
}

std::vector<ConditionRate> conditionRates(const BetFilter &filter, std::span<const FilterBet> draws,
                                          int recent)
{
    std::vector<FilterBet> shaped;
    for (const FilterBet &draw : draws) {
        if (static_cast<int>(draw.front.size()) == filter.frontCount()
            && static_cast<int>(draw.back.size()) == filter.backCount())
            shaped.push_back(draw);
    }
    const size_t first = shaped.size() - std::min(shaped.size(), static_cast<size_t>(std::max(recent, 0)));
    const StatMaker &maker = filter.maker();
    std::vector<LastDraw> before(shaped.size());
    for (size_t i = std::max<size_t>(first, 1); i < shaped.size(); ++i)
        before[i] = LastDraw::of(shaped[i - 1].front, maker.conventions(), maker.lowest(), maker.highest());

    std::vector<ConditionRate> rates;
    for (size_t c = 0; c < filter.conditionCount(); ++c) {
        ConditionRate rate;
        rate.name = filter.conditionName(c);
        const bool needsLast = filter.conditionNeedsLastDraw(c);
        for (size_t i = first; i < shaped.size(); ++i) {
            if (needsLast && i == 0)
                continue;
            ++rate.draws;
            rate.met += filter.meets(c, shaped[i], before[i]) ? 1 : 0;
        }
        rates.push_back(std::move(rate));
    }
    return rates;
}

std::string shrinkReportText(std::int64_t before, std::int64_t after, std::int64_t priceFen)
{
    return "缩水前" + std::to_string(before) + "注 → 缩水后" + std::to_string(after) + "注，投入"
           + yuan(after * priceFen) + "元";
}

#include "results/bet_fit.h"

#include <bitset>

namespace {

// "05", "5": the value of a number's text, or nothing for any other text.
std::optional<int> numberValue(std::string_view text)
{
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string quoted(std::string_view text)
{
    return "“" + std::string(text) + "”";
}

std::optional<std::string> zoneMisfit(std::span<const std::string_view> numbers, const LotteryZone &zone)
{
    std::bitset<100> seen;
    for (const std::string_view text : numbers) {
        if (text.empty())
            return std::string("缺少号码");
        const std::optional<int> value = numberValue(text);
        if (!value)
            return quoted(text) + "不是号码";
        if (*value < zone.lowest() || *value > zone.highest())
            return std::string(text) + "不在" + std::to_string(zone.lowest()) + "到"
                   + std::to_string(zone.highest()) + "之间";
        if (zone.isLotto() && seen.test(static_cast<size_t>(*value)))
            return std::string(text) + "重复";
        seen.set(static_cast<size_t>(*value));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> betMisfit(std::span<const std::string_view> numbers, const Lottery &lottery)
{
    if (numbers.size() != static_cast<size_t>(lottery.numberCount()))
        return "应有" + std::to_string(lottery.numberCount()) + "个号码，有" + std::to_string(numbers.size())
               + "个";
    const size_t front = static_cast<size_t>(lottery.count);
    if (auto problem = zoneMisfit(numbers.first(front), lottery.front()))
        return problem;
    if (auto problem = zoneMisfit(numbers.subspan(front), lottery.back()))
        return lottery.backName + *problem;
    return std::nullopt;
}

GridMisfits gridMisfits(const ResultGrid &grid, const Lottery &lottery, std::size_t quoted)
{
    GridMisfits misfits;
    const int count = lottery.numberCount();
    std::vector<std::string_view> numbers;
    for (int row = 1; row < grid.rowCount(); ++row) {
        // The row as stored: its number, then its cells, joined by NUL; one
        // walk instead of a search from the start for every cell.
        const std::string_view packed = grid.packedRow(row);
        size_t at = packed.find('\0');
        if (at == 0 || packed.empty())
            continue;
        numbers.clear();
        while (at != std::string_view::npos && numbers.size() < static_cast<size_t>(count) + 1) {
            const size_t next = packed.find('\0', at + 1);
            numbers.push_back(packed.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
            at = next;
        }
        // Trailing empty cells are not stored.
        if (numbers.size() < static_cast<size_t>(count))
            numbers.resize(static_cast<size_t>(count));
        std::optional<std::string> problem = betMisfit(numbers, lottery);
        if (!problem)
            continue;
        misfits.rows.push_back(row);
        if (misfits.reasons.size() < quoted)
            misfits.reasons.push_back("第" + std::to_string(row) + "行：" + *problem);
    }
    return misfits;
}

std::string misfitMessage(const GridMisfits &misfits, const std::string &lotteryName)
{
    std::string text = "有" + std::to_string(misfits.rows.size()) + "行号码不符合" + lotteryName
                       + "，已在表格中标出，核对开奖号码和对照历史时不计：";
    for (const std::string &reason : misfits.reasons)
        text += "\n" + reason;
    if (misfits.rows.size() > misfits.reasons.size())
        text += "\n……";
    return text;
}

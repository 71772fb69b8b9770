#include "results/draw_check.h"

#include "base/int_text.h"
#include "base/quoted_text.h"

#include <algorithm>

namespace {

std::vector<std::string> splitNumbers(const std::string &text)
{
    std::string spaced = text;
    // "、" and the full-width comma are three bytes each in UTF-8.
    for (const std::string separator : {"、", "，", ",", "\t"}) {
        for (size_t at = spaced.find(separator); at != std::string::npos; at = spaced.find(separator))
            spaced.replace(at, separator.size(), " ");
    }
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < spaced.size()) {
        const size_t end = std::min(spaced.find(' ', start), spaced.size());
        if (end > start)
            parts.push_back(spaced.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::variant<std::vector<int>, std::string> parseWinningNumbers(const std::string &text,
                                                                const Lottery &lottery)
{
    const LotteryZone zone = lottery.front();
    const int count = zone.count;
    std::vector<std::string> parts = splitNumbers(text);
    if (!zone.isLotto() && parts.size() == 1 && static_cast<int>(parts[0].size()) == count && count > 1) {
        const std::string digits = parts[0];
        parts.clear();
        for (char c : digits)
            parts.emplace_back(1, c);
    }
    if (static_cast<int>(parts.size()) != count)
        return "请输入" + std::to_string(count) + "个开奖号码！";
    std::vector<int> numbers;
    for (const std::string &part : parts) {
        const auto value = parseInt(part);
        if (!value || *value < zone.lowest() || *value > zone.highest())
            return "开奖号码“" + quotedText(part) + "”不在" + std::to_string(zone.lowest()) + "到"
                   + std::to_string(zone.highest()) + "之间！";
        if (zone.isLotto() && std::find(numbers.begin(), numbers.end(), *value) != numbers.end())
            return "开奖号码“" + quotedText(part) + "”重复了！";
        numbers.push_back(*value);
    }
    return numbers;
}

std::vector<bool> betHits(const std::vector<std::string> &bet, const std::vector<int> &winning,
                          const LotteryZone &zone)
{
    std::vector<bool> hits(bet.size(), false);
    for (size_t i = 0; i < bet.size(); ++i) {
        const auto value = parseInt(bet[i]);
        if (!value)
            continue;
        if (zone.isLotto())
            hits[i] = std::find(winning.begin(), winning.end(), *value) != winning.end();
        else
            hits[i] = i < winning.size() && winning[i] == *value;
    }
    return hits;
}

std::string copiedBets(const std::vector<std::vector<std::string>> &rows)
{
    std::string text;
    for (const auto &row : rows) {
        for (size_t i = 0; i < row.size(); ++i)
            text += (i ? " " : "") + row[i];
        text += '\n';
    }
    return text;
}

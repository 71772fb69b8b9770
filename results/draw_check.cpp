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

// One zone's numbers; `name` is empty for the front and the zone's name
// (蓝球, 后区) for the back, so the messages say which numbers are wrong.
Outcome<std::vector<int>> parseZone(std::vector<std::string> parts, const LotteryZone &zone,
                                    const std::string &name)
{
    const int count = zone.count;
    if (!zone.isLotto() && parts.size() == 1 && static_cast<int>(parts[0].size()) == count && count > 1) {
        const std::string digits = parts[0];
        parts.clear();
        for (char c : digits)
            parts.emplace_back(1, c);
    }
    if (static_cast<int>(parts.size()) != count)
        return Refusal{"请输入" + std::to_string(count) + "个" + name + "开奖号码！"};
    std::vector<int> numbers;
    for (const std::string &part : parts) {
        const auto value = parseInt(part);
        if (!value || *value < zone.lowest() || *value > zone.highest())
            return Refusal{name + "开奖号码“" + quotedText(part) + "”不在" + std::to_string(zone.lowest())
                           + "到" + std::to_string(zone.highest()) + "之间！"};
        if (zone.isLotto() && std::find(numbers.begin(), numbers.end(), *value) != numbers.end())
            return Refusal{name + "开奖号码“" + quotedText(part) + "”重复了！"};
        numbers.push_back(*value);
    }
    return numbers;
}

using ZoneParts = std::pair<std::vector<std::string>, std::vector<std::string>>;

// The front's and the back's parts of a two-zone draw.
Outcome<ZoneParts> splitZones(std::string text, const Lottery &lottery)
{
    const std::string fullWidthPlus = "＋";
    for (size_t at = text.find(fullWidthPlus); at != std::string::npos; at = text.find(fullWidthPlus))
        text.replace(at, fullWidthPlus.size(), "+");
    const size_t plus = text.find('+');
    if (plus == std::string::npos) {
        std::vector<std::string> front = splitNumbers(text);
        if (static_cast<int>(front.size()) != lottery.numberCount())
            return Refusal{"请输入" + std::to_string(lottery.count) + "个开奖号码和"
                           + std::to_string(lottery.backCount) + "个" + lottery.backName
                           + "号码，用“+”隔开！"};
        std::vector<std::string> back(front.begin() + lottery.count, front.end());
        front.resize(static_cast<size_t>(lottery.count));
        return ZoneParts(std::move(front), std::move(back));
    }
    if (text.find('+', plus + 1) != std::string::npos)
        return Refusal{"开奖号码中只能有一个“+”！"};
    return ZoneParts(splitNumbers(text.substr(0, plus)), splitNumbers(text.substr(plus + 1)));
}

} // namespace

Outcome<WinningNumbers> parseWinningNumbers(const std::string &text, const Lottery &lottery)
{
    std::vector<std::string> frontParts;
    std::vector<std::string> backParts;
    if (lottery.hasBack()) {
        auto zones = splitZones(text, lottery);
        if (!zones.accepted())
            return Refusal{zones.refusal()};
        ZoneParts &parts = zones.value();
        frontParts = std::move(parts.first);
        backParts = std::move(parts.second);
    } else {
        frontParts = splitNumbers(text);
    }
    WinningNumbers winning;
    auto front = parseZone(std::move(frontParts), lottery.front(), {});
    if (!front.accepted())
        return Refusal{front.refusal()};
    winning.front = std::move(front.value());
    if (lottery.hasBack()) {
        auto back = parseZone(std::move(backParts), lottery.back(), lottery.backName);
        if (!back.accepted())
            return Refusal{back.refusal()};
        winning.back = std::move(back.value());
    }
    return winning;
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

std::vector<bool> drawHits(const std::vector<std::string> &bet, const WinningNumbers &winning,
                           const Lottery &lottery)
{
    const auto split = bet.begin() + std::min(bet.size(), static_cast<size_t>(lottery.count));
    std::vector<bool> hits = betHits({bet.begin(), split}, winning.front, lottery.front());
    const std::vector<bool> back = betHits({split, bet.end()}, winning.back, lottery.back());
    hits.insert(hits.end(), back.begin(), back.end());
    return hits;
}

std::string copiedBets(const std::vector<std::vector<std::string>> &rows, const Lottery &lottery)
{
    std::string text;
    for (const auto &row : rows)
        text += lottery.betText(row) + '\n';
    return text;
}

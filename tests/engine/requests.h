#pragma once

#include "engine/conversion.h"
#include "engine/methods.h"
#include "engine/option_lists.h"

#include <random>
#include <string>
#include <string_view>
#include <vector>

// The entries the worked examples share: 2024-05-17 08 h, 先天八卦, and the
// direction 东 unless given.
inline ConversionRequest workedRequest(const Lottery &lottery, std::vector<std::string> boxes,
                                       std::string method, std::string direction = "东")
{
    ConversionRequest r;
    r.lottery = lottery;
    r.boxes = std::move(boxes);
    r.method = std::move(method);
    r.arrangement = "先天八卦";
    r.direction = std::move(direction);
    r.year = "2024";
    r.month = "05";
    r.day = "17";
    r.hour = "08";
    return r;
}

// Entries as a player could make them from the lists and the prompts, each
// picked at random: any method (or the one given), arrangement, direction,
// date and hour, and numbers within the prompted ranges, the back zone's
// after the front's.
class RandomRequests
{
public:
    ConversionRequest next(const Lottery &lottery)
    {
        return next(lottery, kMethodNames[pick(kMethodNames.size())]);
    }

    ConversionRequest next(const Lottery &lottery, std::string_view method)
    {
        ConversionRequest r;
        r.lottery = lottery;
        r.method = std::string(method);
        r.arrangement = std::string(kArrangements[pick(kArrangements.size())]);
        r.direction = std::string(kDirections[pick(kDirections.size())]);
        r.year = yearEntries()[pick(yearEntries().size())];
        r.month = monthEntries()[pick(monthEntries().size())];
        r.day = dayEntries()[pick(dayEntries().size())];
        r.hour = hourEntries()[pick(hourEntries().size())];
        const LotteryZone front = lottery.front();
        const bool generalized = r.method == kGeneralizedMethod;
        r.initial = std::to_string(between(front.lowest(), front.highest()));
        for (int i = 0; i < front.count; ++i)
            r.boxes.push_back(std::to_string(generalized ? between(1, front.count)
                                                         : between(front.lowest(), front.highest())));
        const LotteryZone back = lottery.back();
        for (int i = 0; i < back.count; ++i)
            r.boxes.push_back(std::to_string(between(back.lowest(), back.highest())));
        return r;
    }

private:
    size_t pick(size_t size) { return static_cast<size_t>(between(0, static_cast<int>(size) - 1)); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::mt19937 m_random{20240517};
};

// A request in one line, for a failing check to show.
inline std::string describe(const ConversionRequest &r)
{
    std::string text = r.method + " " + r.arrangement + " " + r.direction + " " + r.year + r.month + r.day
                       + r.hour + " initial " + r.initial + " boxes";
    for (const std::string &box : r.boxes)
        text += " " + box;
    return text;
}

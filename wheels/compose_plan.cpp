#include "wheels/compose_plan.h"

#include "wheels/ticket_cost.h"

#include <cctype>

BallMark nextMark(BallMark mark)
{
    switch (mark) {
    case BallMark::None:
        return BallMark::Chosen;
    case BallMark::Chosen:
        return BallMark::Banker;
    case BallMark::Banker:
        return BallMark::Killed;
    case BallMark::Killed:
        break;
    }
    return BallMark::None;
}

ZoneChoice zoneChoice(const std::vector<BallMark> &marks, int lowest)
{
    ZoneChoice choice;
    for (size_t i = 0; i < marks.size(); ++i) {
        const int number = lowest + static_cast<int>(i);
        if (marks[i] == BallMark::Chosen)
            choice.others.push_back(number);
        else if (marks[i] == BallMark::Banker)
            choice.bankers.push_back(number);
    }
    return choice;
}

namespace {

// The words of a typed zone: runs of digits, and the markers 胆 and 拖.
std::vector<std::string> words(const std::string &text)
{
    static const std::string banker = "胆";
    static const std::string drag = "拖";
    std::vector<std::string> result;
    std::string digits;
    auto flush = [&] {
        if (!digits.empty())
            result.push_back(digits);
        digits.clear();
    };
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            digits += text[i++];
            continue;
        }
        flush();
        if (text.compare(i, banker.size(), banker) == 0 || text.compare(i, drag.size(), drag) == 0) {
            result.push_back(text.substr(i, banker.size()));
            i += banker.size();
        } else if (c == ' ' || c == ',' || c == ':' || c == '\t') {
            ++i;
        } else if (text.compare(i, 3, "，") == 0 || text.compare(i, 3, "：") == 0) {
            i += 3;
        } else {
            result.push_back(std::string(1, text[i]) + "?");
            ++i;
        }
    }
    flush();
    return result;
}

} // namespace

Outcome<std::vector<BallMark>> parseZoneText(const std::string &text, int lowest, int highest)
{
    std::vector<BallMark> marks(static_cast<size_t>(highest - lowest + 1), BallMark::None);
    BallMark mark = BallMark::Chosen;
    for (const std::string &word : words(text)) {
        if (word == "胆") {
            mark = BallMark::Banker;
            continue;
        }
        if (word == "拖") {
            mark = BallMark::Chosen;
            continue;
        }
        const bool digits = word.size() <= 2 && std::isdigit(static_cast<unsigned char>(word.back()));
        const int number = digits ? std::stoi(word) : -1;
        if (number < lowest || number > highest)
            return Refusal{"“" + (digits ? word : word.substr(0, word.size() - 1)) + "”不是"
                           + std::to_string(lowest) + "到" + std::to_string(highest) + "之间的号码"};
        marks[static_cast<size_t>(number - lowest)] = mark;
    }
    return marks;
}

std::vector<WheelTerms> offeredWheels(int chosen, int k)
{
    std::vector<WheelTerms> result;
    for (int m = 2; m <= k && m <= chosen; ++m) {
        for (int t = 2; t <= m; ++t) {
            const WheelTerms terms{chosen, k, m, t};
            if (!wheelTermsProblem(terms))
                result.push_back(terms);
        }
    }
    return result;
}

std::string countLine(BetCount bets, bool addOn)
{
    const std::optional<BetCount> cost = ticketCost(bets, addOn);
    if (!cost)
        return "注数太大，无法投注";
    return "共" + std::to_string(bets) + "注 投入" + std::to_string(*cost) + "元";
}

Check gridRoom(BetCount held, BetCount adding)
{
    if (adding > kGridCapacity || held > kGridCapacity - adding)
        return Refusal{"表格最多容纳" + std::to_string(kGridCapacity) + "注，现有" + std::to_string(held)
                       + "注，再加" + std::to_string(adding) + "注就放不下了。请少选几个号码，或先缩水。"};
    return std::nullopt;
}

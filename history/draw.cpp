#include "history/draw.h"

#include "base/two_digit.h"

#include <algorithm>
#include <tuple>

namespace {

// Lotteries whose draw is not the shape of their bet, as the catalogue
// ships them; a lottery of the same name but another kind or total is the
// player's own and draws as it bets.
struct DrawException
{
    const char *name;
    int kind;
    int total;
    int drawn;    // front numbers drawn
    bool special; // a special number follows
};

constexpr DrawException kExceptions[] = {
    {"快乐8", Lotto, 80, 20, false},
    {"七乐彩", Lotto, 30, 7, true},
};

DrawZone zone(std::string name, const LotteryZone &numbers)
{
    DrawZone result;
    result.name = std::move(name);
    result.digits = !numbers.isLotto();
    result.low = numbers.lowest();
    result.high = numbers.highest();
    result.count = numbers.count;
    return result;
}

// How a zone is named in a message: by its name where a lottery has two,
// as plain "号码" otherwise.
std::string numberWord(const DrawZone &zone)
{
    return zone.name.empty() ? "号码" : zone.name + "号码";
}

Check zoneProblem(const std::vector<int> &numbers, const DrawZone &zone)
{
    if (static_cast<int>(numbers.size()) != zone.count)
        return Refusal{(zone.name.empty() ? std::string("应有") : zone.name + "应有")
                       + std::to_string(zone.count) + "个号码，读到" + std::to_string(numbers.size()) + "个"};
    for (size_t i = 0; i < numbers.size(); ++i) {
        const int value = numbers[i];
        if (value < zone.low || value > zone.high)
            return Refusal{numberWord(zone) + "“" + std::to_string(value) + "”不在" + std::to_string(zone.low)
                           + "到" + std::to_string(zone.high) + "之间"};
        if (!zone.digits && i > 0 && numbers[i - 1] >= value)
            return Refusal{numberWord(zone) + "“" + twoDigit(value) + "”重复"};
    }
    return std::nullopt;
}

} // namespace

int DrawShape::numberCount() const
{
    return front.count + (back ? back->count : 0) + (special ? 1 : 0);
}

DrawShape drawShapeOf(const std::string &name, const Lottery &lottery)
{
    DrawShape shape;
    const bool twoZones = lottery.hasBack();
    shape.front = zone(twoZones ? lottery.frontZoneName() : "", lottery.front());
    if (twoZones)
        shape.back = zone(lottery.backName, lottery.back());
    for (const DrawException &exception : kExceptions) {
        if (name == exception.name && lottery.kind == exception.kind && lottery.total == exception.total
            && !twoZones) {
            shape.front.count = exception.drawn;
            shape.special = exception.special;
        }
    }
    return shape;
}

bool sameNumbers(const Draw &a, const Draw &b)
{
    return static_cast<const LotteryNumbers &>(a) == static_cast<const LotteryNumbers &>(b);
}

std::optional<std::int64_t> issueKey(const std::string &issue)
{
    if (issue.empty() || issue.size() > 12)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : issue) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (issue.size() == 5)
        value += 2000000;
    return value;
}

void sortByIssue(std::vector<Draw> &draws)
{
    const auto key
        = [](const Draw &draw) { return std::make_tuple(issueKey(draw.issue).value_or(-1), draw.issue); };
    std::stable_sort(draws.begin(), draws.end(),
                     [&](const Draw &a, const Draw &b) { return key(a) < key(b); });
}

std::string zoneText(const std::vector<int> &numbers, bool digits)
{
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += digits ? std::to_string(numbers[i]) : twoDigit(numbers[i]);
    }
    return text;
}

std::string drawNumbersText(const Draw &draw, const DrawShape &shape)
{
    std::string text = zoneText(draw.front, shape.front.digits);
    if (shape.back)
        text += " + " + zoneText(draw.back, shape.back->digits);
    if (draw.special)
        text += " + " + zoneText({*draw.special}, shape.front.digits);
    return text;
}

Check drawProblem(const Draw &draw, const DrawShape &shape)
{
    if (auto problem = zoneProblem(draw.front, shape.front))
        return problem;
    if (shape.back) {
        if (auto problem = zoneProblem(draw.back, *shape.back))
            return problem;
    } else if (!draw.back.empty()) {
        return Refusal{"本彩票没有后区，读到" + std::to_string(draw.back.size()) + "个后区号码"};
    }
    if (shape.special != draw.special.has_value())
        return Refusal{shape.special ? "缺少特别号" : "本彩票没有特别号"};
    if (draw.special) {
        const int value = *draw.special;
        if (value < shape.front.low || value > shape.front.high)
            return Refusal{"特别号“" + std::to_string(value) + "”不在" + std::to_string(shape.front.low)
                           + "到" + std::to_string(shape.front.high) + "之间"};
        if (std::find(draw.front.begin(), draw.front.end(), value) != draw.front.end())
            return Refusal{"特别号“" + twoDigit(value) + "”与基本号码重复"};
    }
    return std::nullopt;
}

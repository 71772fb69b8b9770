#include "engine/conversion.h"

#include "base/int_text.h"
#include "engine/cascade.h"
#include "engine/correction.h"
#include "engine/methods.h"
#include "engine/option_lists.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

constexpr std::array<int, 8> kXiantian{6, 8, 3, 1, 5, 4, 7, 2};
constexpr std::array<int, 8> kHoutian{2, 6, 4, 3, 1, 7, 8, 5};

// Character `index` of a UTF-8 text, empty when the text is shorter.
std::string_view characterAt(std::string_view text, int index)
{
    size_t position = 0;
    for (int i = 0; position < text.size(); ++i) {
        size_t length = 1;
        while (position + length < text.size()
               && (static_cast<unsigned char>(text[position + length]) & 0xC0) == 0x80)
            ++length;
        if (i == index)
            return text.substr(position, length);
        position += length;
    }
    return {};
}

// The walk character by character, which names a character that is no
// digit in its error.
[[gnu::noinline]] int characterDigitSum(std::string_view text, int characters)
{
    int sum = 0;
    for (int i = 0; i < characters; ++i)
        sum += strToInt(characterAt(text, i));
    return sum;
}

int digitSum(std::string_view text, int characters)
{
    // Texts from the lists are ASCII digits, each its own character.
    if (static_cast<int>(text.size()) < characters)
        return characterDigitSum(text, characters);
    int sum = 0;
    for (int i = 0; i < characters; ++i) {
        const int digit = text[static_cast<size_t>(i)] - '0';
        if (digit < 0 || digit > 9)
            return characterDigitSum(text, characters);
        sum += digit;
    }
    return sum;
}

// Room for the numbers of any bet the program serves, so that a conversion
// needs no memory of its own. Left unset: each position is written before
// it is read.
template<typename T>
struct PerBox
{
    PerBox() {}
    T &operator[](size_t i) { return items[i]; }
    T *data() { return items; }
    union
    {
        T items[kMaxBoxCount];
    };
};

bool inRange(const LotteryZone &zone, int value)
{
    return value >= zone.lowest() && value <= zone.highest();
}

// The refusal of a number outside its zone names the zone's own range, as
// the prompt above the boxes does: 0到6 for a Digit lottery of 7 numbers.
std::string rangeRefusal(const LotteryZone &zone, std::string_view what)
{
    return "请输入" + std::to_string(zone.lowest()) + "到" + std::to_string(zone.highest()) + "的"
           + std::string(what) + "！";
}

// Checks the boxes of a pair method. A number below the range is refused
// like one above it: a front 0 would otherwise come out as 00, which no
// ticket can hold.
Check checkOriginals(const ConversionRequest &r, PerBox<int> &values)
{
    const LotteryZone front = r.lottery.front();
    for (int i = 0; i < front.count; ++i) {
        const std::string &text = r.boxes[static_cast<size_t>(i)];
        if (text.empty())
            return Refusal{"请输入原始号码！"};
        const int value = strToInt(text);
        if (!inRange(front, value))
            return Refusal{rangeRefusal(front, "原始号码")};
        values[static_cast<size_t>(i)] = value;
    }
    return {};
}

Check checkGeneralized(const ConversionRequest &r, int &initial, PerBox<int> &controls)
{
    const LotteryZone front = r.lottery.front();
    if (r.initial.empty())
        return Refusal{"请输入初始号码！"};
    initial = strToInt(r.initial);
    if (!inRange(front, initial))
        return Refusal{rangeRefusal(front, "初始号码")};
    for (int i = 0; i < front.count; ++i) {
        const std::string &text = r.boxes[static_cast<size_t>(i)];
        if (text.empty())
            return Refusal{"请输入控制量数！"};
        const int value = strToInt(text);
        if (value > front.count)
            return Refusal{"请输入1到" + std::to_string(front.count) + "的控制量数！"};
        controls[static_cast<size_t>(i)] = value;
    }
    return {};
}

// Checks the back zone's boxes, which follow the front's, into the values
// after the front's. Its numbers are new to the player's entries, so they
// are held to the whole range: a back number of 0 or below would come out
// of the conversion outside the zone.
Check checkBack(const ConversionRequest &r, PerBox<int> &values)
{
    const LotteryZone back = r.lottery.back();
    const std::string &name = r.lottery.backName;
    for (int i = 0; i < back.count; ++i) {
        const std::string &text = r.boxes[static_cast<size_t>(r.lottery.count + i)];
        if (text.empty())
            return Refusal{"请输入" + name + "号码！"};
        const int value = strToInt(text);
        if (value < back.lowest() || value > back.highest())
            return Refusal{"请输入" + std::to_string(back.lowest()) + "到" + std::to_string(back.highest())
                           + "的" + name + "号码！"};
        values[static_cast<size_t>(r.lottery.count + i)] = value;
    }
    return {};
}

// Zeros take back their original pair; then every position that repeats
// another or lies outside 1..total (a 00 that a cascade of control
// quantities of 0 leaves) is corrected and, failing that, drawn afresh; the
// bet is sorted ascending. The two corrections fold a digit by |d − 5|
// twice and can come back where they started (34 for a total of 30), so
// only a draw is sure to end inside the range.
void settleLotto(std::span<DigitPair> result, std::span<const DigitPair> original, int n,
                 DrawGenerator &draws)
{
    const PairMethod &guaishu = pairMethods()[0];
    const PairMethod &wuxing = pairMethods()[1];
    // How many positions hold each value 0 … 99: a position repeats another
    // when its value is held twice, found without comparing every pair.
    std::array<std::uint8_t, 100> held{};
    for (size_t i = 0; i < result.size(); ++i) {
        if (result[i].value() == 0)
            result[i] = original[i];
        ++held[static_cast<size_t>(result[i].value())];
    }
    const auto unsettled = [&](size_t i) {
        return result[i].value() > n || result[i].value() == 0
               || held[static_cast<size_t>(result[i].value())] > 1;
    };
    const auto replace = [&](size_t i, DigitPair pair) {
        --held[static_cast<size_t>(result[i].value())];
        result[i] = pair;
        ++held[static_cast<size_t>(pair.value())];
    };
    for (size_t i = 0; i < result.size(); ++i) {
        if (!unsettled(i))
            continue;
        replace(i, CorrectPair(guaishu, result[i], n));
        if (unsettled(i))
            replace(i, CorrectPair(wuxing, result[i], n));
        while (unsettled(i))
            replace(i, DigitPair::fromValue(static_cast<int>(draws.next(static_cast<std::uint32_t>(n))) + 1));
    }
    std::sort(result.begin(), result.end(), [](DigitPair a, DigitPair b) { return a.value() < b.value(); });
}

// Corrects one zone's original pairs and settles them by the zone's kind:
// a Lotto zone distinct and sorted, a Digit zone in decimal form and box
// order. `result` is room for as many pairs as `original` holds; the cells
// are appended to `cells`.
void convertZone(const LotteryZone &zone, std::span<const DigitPair> original, std::span<DigitPair> result,
                 const PairMethod &method, int factor, DrawGenerator &draws, BetCells &cells)
{
    for (size_t i = 0; i < original.size(); ++i)
        result[i] = CorrectPair(method, ScalePair(original[i], factor), zone.total);
    if (zone.isLotto()) {
        settleLotto(result, original, zone.total, draws);
        for (DigitPair pair : result)
            cells.pushTwoDigits(pair.value());
    } else {
        // A correction may leave a value at or above a total below 10 (0–4
        // has a total of 5), or, for a back zone such as 0–14, anywhere up to
        // 99; it wraps round into the range.
        for (DigitPair pair : result)
            cells.pushDecimal(pair.value() % zone.total);
    }
}

} // namespace

int DateDigitSum(const std::string &year, const std::string &month, const std::string &day,
                 const std::string &hour)
{
    int sum = digitSum(year, 4) + digitSum(month, 2) + digitSum(day, 2) + digitSum(hour, 2);
    for (int i = 0; i < 2; ++i) {
        if (sum > 10)
            sum = sum / 10 + sum % 10;
    }
    return sum;
}

int DirectionNumber(const std::string &arrangement, const std::string &direction)
{
    const std::array<int, 8> *table = arrangement == kArrangements[0]   ? &kXiantian
                                      : arrangement == kArrangements[1] ? &kHoutian
                                                                        : nullptr;
    if (!table)
        return 0;
    for (size_t i = 0; i < kDirections.size(); ++i) {
        if (kDirections[i] == direction)
            return (*table)[i];
    }
    return 0;
}

int Multiplier(int dateDigitSum, int directionNumber)
{
    if (dateDigitSum == 0)
        return 3;
    const int multiplier = directionNumber * directionNumber % dateDigitSum;
    return multiplier == 0 ? 3 : multiplier;
}

namespace {

// The conversion into `cells`, or why the entries are refused.
Check convertInto(const ConversionRequest &r, DrawGenerator &draws, BetCells &cells)
{
    if (auto problem = r.lottery.problem())
        return Refusal{"无法为这种彩票转换号码：" + problem->message};
    const LotteryZone front = r.lottery.front();
    if (static_cast<int>(r.boxes.size()) < r.lottery.numberCount())
        return Refusal{"号码框的个数少于彩票的号码个数。"};
    const int methodPosition = methodIndex(r.method);
    if (methodPosition < 0)
        return Refusal{"请选择修正方法！"};

    // Every number of the bet, front then back, has its place in fixed
    // storage: the program serves no bet of more than kMaxBoxCount numbers
    // (Lottery::problem), so a conversion needs no memory of its own.
    const bool generalized = r.method == kGeneralizedMethod;
    PerBox<int> values;
    int initial = 0;
    Check refused = generalized ? checkGeneralized(r, initial, values) : checkOriginals(r, values);
    if (!refused)
        refused = checkBack(r, values);
    if (refused)
        return *refused;

    // Both zones are corrected alike: by the pair method and the Multiplier,
    // or, for the generalized method, by its own last steps (scaled by 7,
    // then "五行修正").
    const size_t count = static_cast<size_t>(front.count);
    const size_t numbers = static_cast<size_t>(r.lottery.numberCount());
    PerBox<DigitPair> originalPairs;
    PerBox<DigitPair> resultPairs;
    const std::span<DigitPair> original(originalPairs.data(), numbers);
    const std::span<DigitPair> result(resultPairs.data(), numbers);
    const PairMethod *method = &pairMethods()[1];
    int factor = 7;
    if (!generalized) {
        // The date texts are read before the digits of the original pairs, so
        // a bad date character is reported before the minus sign of a
        // negative number ("0-5").
        factor = Multiplier(DateDigitSum(r.year, r.month, r.day, r.hour),
                            DirectionNumber(r.arrangement, r.direction));
        for (size_t i = 0; i < count; ++i)
            original[i] = DigitPair::fromValue(values[i]);
        method = &pairMethods()[static_cast<size_t>(methodPosition)];
    } else {
        CascadePairs(front, DigitPair::fromValue(initial), std::span<const int>(values.data(), count),
                     original);
    }

    convertZone(front, original.first(count), result.first(count), *method, factor, draws, cells);
    if (r.lottery.hasBack()) {
        for (size_t i = count; i < numbers; ++i)
            original[i] = DigitPair::fromValue(values[i]);
        convertZone(r.lottery.back(), original.subspan(count), result.subspan(count), *method, factor, draws,
                    cells);
    }
    return {};
}

} // namespace

ConversionResult convert(const ConversionRequest &r, DrawGenerator &draws)
{
    // One result, built in place: a bet's cells are not copied on the way out.
    ConversionResult converted{BetCells{}};
    if (Check refused = convertInto(r, draws, converted.value()))
        converted = std::move(*refused);
    return converted;
}

#pragma once

#include "engine/digit_tables.h"

#include <array>
#include <string_view>

// The twenty correction methods in the order of the method list; the window
// fills its list from this and the engine resolves names against it.
inline constexpr std::array<std::string_view, 20> kMethodNames{
    "怪数7修正",      "五行修正",       "太极图阳邻修正", "太极图阳跳修正", "太极图阳蹦修正",
    "太极图阴邻修正", "太极图阴跳修正", "太极图阴蹦修正", "河图阳邻修正",   "河图阳跳修正",
    "河图阴邻修正",   "河图阴跳修正",   "洛书阳邻修正",   "洛书阳跳修正",   "洛书阴邻修正",
    "洛书阴跳修正",   "补数修正",       "凑数修正",       "合数修正",       "广义阴阳五行修正",
};

inline constexpr std::string_view kGeneralizedMethod = kMethodNames[19];
inline constexpr int kPairMethodCount = 19;

enum class MethodFamily {
    Modulus, // acts only on a value above the total: digit mod m
    Shift,   // digit + s, accepted while it stays within the total
    Table,   // digit looked up in a table, accepted likewise
};

// One pair method resolved from its name. `map` is the digit replacement the
// family's step uses: d mod m, (d + s + 10) mod 10, or the table column.
struct PairMethod
{
    std::string_view name;
    MethodFamily family;
    int parameter; // m for the modulus family, s for the shift family, else 0
    DigitMap map;
};

// The nineteen pair methods, positions 0 to 18 of the method list.
const std::array<PairMethod, kPairMethodCount> &pairMethods();

// The pair method of that exact name, or nullptr (the generalized method and
// any other text are no pair method).
const PairMethod *findPairMethod(std::string_view name);

// Position of a name in the method list, or -1.
int methodIndex(std::string_view name);

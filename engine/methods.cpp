#include "engine/methods.h"

namespace {

constexpr DigitMap moduloMap(int m)
{
    DigitMap map{};
    for (int d = 0; d < 10; ++d)
        map[d] = static_cast<std::uint8_t>(d % m);
    return map;
}

constexpr DigitMap shiftMap(int s)
{
    DigitMap map{};
    for (int d = 0; d < 10; ++d)
        map[d] = static_cast<std::uint8_t>((d + s + 10) % 10);
    return map;
}

constexpr PairMethod modulus(int position, int m)
{
    return {kMethodNames[position], MethodFamily::Modulus, m, moduloMap(m)};
}

constexpr PairMethod shift(int position, int s)
{
    return {kMethodNames[position], MethodFamily::Shift, s, shiftMap(s)};
}

constexpr PairMethod table(int position, const DigitMap &map)
{
    return {kMethodNames[position], MethodFamily::Table, 0, map};
}

constexpr std::array<PairMethod, kPairMethodCount> kPairMethods{
    modulus(0, 7),
    modulus(1, 5),
    shift(2, +1),
    shift(3, +2),
    shift(4, +3),
    shift(5, -1),
    shift(6, -2),
    shift(7, -3),
    table(8, HetuTable.yangLin),
    table(9, HetuTable.yangTiao),
    table(10, HetuTable.yinLin),
    table(11, HetuTable.yinTiao),
    table(12, LuoshuTable.yangLin),
    table(13, LuoshuTable.yangTiao),
    table(14, LuoshuTable.yinLin),
    table(15, LuoshuTable.yinTiao),
    table(16, ComplementTable),
    table(17, MakeUpTable),
    table(18, CombineTable),
};

} // namespace

const std::array<PairMethod, kPairMethodCount> &pairMethods()
{
    return kPairMethods;
}

const PairMethod *findPairMethod(std::string_view name)
{
    for (const PairMethod &method : kPairMethods) {
        if (method.name == name)
            return &method;
    }
    return nullptr;
}

int methodIndex(std::string_view name)
{
    for (size_t i = 0; i < kMethodNames.size(); ++i) {
        if (kMethodNames[i] == name)
            return static_cast<int>(i);
    }
    return -1;
}

#include "wheels/digit_ticket.h"

#include <algorithm>

namespace {

Check digitsProblem(const std::vector<int> &digits, int total, const std::string &where)
{
    for (const int d : digits)
        if (d < 0 || d >= total)
            return Refusal{where + "号码须在0至" + std::to_string(total - 1) + "之间。"};
    std::vector<int> sorted = digits;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return Refusal{where + "号码不能重复。"};
    return std::nullopt;
}

} // namespace

DigitTicket::DigitTicket(std::vector<std::vector<int>> positions, BetCount count)
    : m_positions(std::move(positions))
    , m_count(count)
{}

Outcome<DigitTicket> DigitTicket::make(const Lottery &lottery, std::vector<std::vector<int>> positions)
{
    if (lottery.isLotto())
        return Refusal{"乐透型彩票请选择复式或胆拖号码。"};
    if (static_cast<int>(positions.size()) != lottery.numberCount())
        return Refusal{"每注须有" + std::to_string(lottery.numberCount()) + "位号码。"};
    BetCount count = 1;
    for (size_t i = 0; i < positions.size(); ++i) {
        const bool back = static_cast<int>(i) >= lottery.count;
        const std::string where = back ? lottery.backName : "第" + std::to_string(i + 1) + "位";
        if (positions[i].empty())
            return Refusal{where + "至少要选1个号码。"};
        if (const Check problem
            = digitsProblem(positions[i], back ? lottery.backTotal : lottery.total, where))
            return *problem;
        std::sort(positions[i].begin(), positions[i].end());
        const auto product = checkedProduct(count, positions[i].size());
        if (!product)
            return Refusal{"注数太多，无法计算。"};
        count = *product;
    }
    return DigitTicket(std::move(positions), count);
}

std::vector<int> DigitTicket::bet(BetCount index) const
{
    std::vector<int> digits(m_positions.size());
    for (size_t i = m_positions.size(); i-- > 0;) {
        const BetCount n = m_positions[i].size();
        digits[i] = m_positions[i][static_cast<size_t>(index % n)];
        index /= n;
    }
    return digits;
}

bool hasGroupPlay(const Lottery &lottery)
{
    return !lottery.isLotto() && lottery.total == 10 && lottery.count == 3 && !lottery.hasBack();
}

GroupTicket::GroupTicket(std::vector<std::vector<int>> bets)
    : m_bets(std::move(bets))
{}

Outcome<GroupTicket> GroupTicket::make(const Lottery &lottery, GroupPlay play, std::vector<int> digits)
{
    if (!hasGroupPlay(lottery))
        return Refusal{"该彩票没有组选玩法。"};
    if (const Check problem = digitsProblem(digits, 10, ""))
        return *problem;
    const bool six = play == GroupPlay::Group6;
    const size_t least = six ? 3 : 2;
    if (digits.size() < least)
        return Refusal{std::string(six ? "组选6" : "组选3") + "至少要选" + std::to_string(least)
                       + "个号码。"};
    std::sort(digits.begin(), digits.end());
    std::vector<std::vector<int>> bets;
    const size_t n = digits.size();
    for (size_t a = 0; a < n; ++a)
        for (size_t b = a + 1; b < n; ++b) {
            if (!six) {
                bets.push_back({digits[a], digits[a], digits[b]});
                bets.push_back({digits[a], digits[b], digits[b]});
            }
            for (size_t c = b + 1; six && c < n; ++c)
                bets.push_back({digits[a], digits[b], digits[c]});
        }
    std::sort(bets.begin(), bets.end());
    return GroupTicket(std::move(bets));
}

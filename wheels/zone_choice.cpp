#include "wheels/zone_choice.h"

#include <algorithm>

namespace {

std::string text(int n)
{
    return std::to_string(n);
}

Check numbersProblem(const LotteryZone &zone, const ZoneChoice &choice, const std::string &name)
{
    std::vector<int> all = choice.bankers;
    all.insert(all.end(), choice.others.begin(), choice.others.end());
    for (const int n : all)
        if (n < zone.lowest() || n > zone.highest())
            return Refusal{name + "号码须在" + text(zone.lowest()) + "至" + text(zone.highest()) + "之间。"};
    std::sort(all.begin(), all.end());
    if (std::adjacent_find(all.begin(), all.end()) != all.end())
        return Refusal{name + "号码不能重复。"};
    return std::nullopt;
}

} // namespace

ZoneBets::ZoneBets(ZoneChoice choice, int drawn, BetCount count)
    : m_choice(std::move(choice))
    , m_drawn(drawn)
    , m_count(count)
{}

Outcome<ZoneBets> ZoneBets::make(const LotteryZone &zone, ZoneChoice choice, const std::string &zoneName)
{
    if (const Check problem = numbersProblem(zone, choice, zoneName))
        return *problem;
    std::sort(choice.bankers.begin(), choice.bankers.end());
    std::sort(choice.others.begin(), choice.others.end());
    const int k = zone.count;
    const int bankers = static_cast<int>(choice.bankers.size());
    const int others = static_cast<int>(choice.others.size());
    if (choice.isBanker()) {
        if (bankers > k - 1)
            return Refusal{k > 1 ? zoneName + "胆码最多" + text(k - 1) + "个。"
                                 : zoneName + "每注只有1个号码，不能胆拖。"};
        if (bankers + others <= k)
            return Refusal{zoneName + "胆码与拖码合计须多于" + text(k) + "个。"};
    } else if (others < k) {
        return Refusal{zoneName + "至少要选" + text(k) + "个号码。"};
    }
    const auto count = binomial(others, k - bankers);
    if (!count)
        return Refusal{zoneName + "注数太多，无法计算。"};
    return ZoneBets(std::move(choice), k - bankers, *count);
}

std::vector<int> ZoneBets::merged(const std::vector<int> &index) const
{
    std::vector<int> bet = m_choice.bankers;
    for (const int i : index)
        bet.push_back(m_choice.others[static_cast<size_t>(i)]);
    std::inplace_merge(bet.begin(), bet.begin() + static_cast<long>(m_choice.bankers.size()), bet.end());
    return bet;
}

// The bets with the same 胆码 sort as their 拖码 do: two bets differ only in
// 拖码, and the smaller differing one decides both orders.
std::vector<int> ZoneBets::bet(BetCount index) const
{
    std::vector<int> chosen;
    const int n = static_cast<int>(m_choice.others.size());
    int next = 0;
    for (int left = m_drawn; left > 0; --left) {
        // Skip past the first numbers while the index lies beyond the bets
        // that start with them.
        for (;; ++next) {
            const BetCount starting = *binomial(n - next - 1, left - 1);
            if (index < starting)
                break;
            index -= starting;
        }
        chosen.push_back(next++);
    }
    return merged(chosen);
}

ZoneBets::Walker::Walker(const ZoneBets &bets)
    : m_bets(&bets)
{
    for (int i = 0; i < bets.m_drawn; ++i)
        m_index.push_back(i);
    fill();
}

void ZoneBets::Walker::fill()
{
    m_bet = m_bets->merged(m_index);
}

bool ZoneBets::Walker::next()
{
    const int n = static_cast<int>(m_bets->m_choice.others.size());
    const int r = static_cast<int>(m_index.size());
    int i = r - 1;
    while (i >= 0 && m_index[static_cast<size_t>(i)] == n - r + i)
        --i;
    if (i < 0) {
        for (int j = 0; j < r; ++j)
            m_index[static_cast<size_t>(j)] = j;
        fill();
        return false;
    }
    ++m_index[static_cast<size_t>(i)];
    for (int j = i + 1; j < r; ++j)
        m_index[static_cast<size_t>(j)] = m_index[static_cast<size_t>(j - 1)] + 1;
    fill();
    return true;
}

#include "wheels/lotto_ticket.h"

LottoTicket::LottoTicket(Lottery lottery, ZoneBets front, std::optional<ZoneBets> back, BetCount count)
    : m_lottery(std::move(lottery))
    , m_front(std::move(front))
    , m_back(std::move(back))
    , m_count(count)
{}

Outcome<LottoTicket> LottoTicket::make(const Lottery &lottery, LottoPick pick)
{
    if (!lottery.isLotto())
        return Refusal{"数字型彩票没有胆拖，请按位选择复式号码。"};
    auto front = ZoneBets::make(lottery.front(), std::move(pick.front),
                                lottery.hasBack() ? lottery.frontZoneName() : "");
    if (!front.accepted())
        return Refusal{front.refusal()};
    std::optional<ZoneBets> back;
    BetCount count = front.value().count();
    if (lottery.hasBack()) {
        auto backBets = ZoneBets::make(lottery.back(), std::move(pick.back), lottery.backName);
        if (!backBets.accepted())
            return Refusal{backBets.refusal()};
        const auto product = checkedProduct(count, backBets.value().count());
        if (!product)
            return Refusal{"注数太多，无法计算。"};
        count = *product;
        back = std::move(backBets.value());
    }
    return LottoTicket(lottery, std::move(front.value()), std::move(back), count);
}

std::vector<int> LottoTicket::bet(BetCount index) const
{
    const BetCount backCount = m_back ? m_back->count() : 1;
    std::vector<int> numbers = m_front.bet(index / backCount);
    if (m_back) {
        const std::vector<int> back = m_back->bet(index % backCount);
        numbers.insert(numbers.end(), back.begin(), back.end());
    }
    return numbers;
}

LottoTicket::Walker::Walker(const LottoTicket &ticket)
    : m_front(ticket.m_front)
{
    if (ticket.m_back)
        m_back.emplace(*ticket.m_back);
}

std::vector<int> LottoTicket::Walker::bet() const
{
    std::vector<int> numbers = m_front.bet();
    if (m_back)
        numbers.insert(numbers.end(), m_back->bet().begin(), m_back->bet().end());
    return numbers;
}

bool LottoTicket::Walker::next()
{
    if (m_back && m_back->next())
        return true;
    return m_front.next();
}

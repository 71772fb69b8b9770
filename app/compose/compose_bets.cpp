#include "app/compose/compose_bets.h"

#include "base/two_digit.h"
#include "wheels/digit_ticket.h"
#include "wheels/lotto_ticket.h"

#include <algorithm>

namespace {

constexpr BetCount kProgressEvery = 4096;

LottoPick lottoPick(const ComposeRequest &request)
{
    LottoPick pick;
    if (!request.zones.empty())
        pick.front = request.zones[0];
    if (request.zones.size() > 1)
        pick.back = request.zones[1];
    return pick;
}

std::vector<std::vector<int>> positions(const ComposeRequest &request)
{
    std::vector<std::vector<int>> result;
    for (const ZoneChoice &zone : request.zones) {
        std::vector<int> digits = zone.others;
        digits.insert(digits.end(), zone.bankers.begin(), zone.bankers.end());
        std::sort(digits.begin(), digits.end());
        result.push_back(std::move(digits));
    }
    return result;
}

Outcome<GroupTicket> groupTicket(const ComposeRequest &request)
{
    const std::vector<std::vector<int>> digits = positions(request);
    return GroupTicket::make(request.lottery,
                             request.play == ComposePlay::Group3 ? GroupPlay::Group3 : GroupPlay::Group6,
                             digits.empty() ? std::vector<int>{} : digits[0]);
}

// The back zone's bets of a wheel ticket, or one empty bet for a lottery
// without a back zone.
Outcome<std::optional<ZoneBets>> wheelBack(const ComposeRequest &request)
{
    if (!request.lottery.hasBack())
        return std::optional<ZoneBets>{};
    Outcome<ZoneBets> back
        = ZoneBets::make(request.lottery.back(), lottoPick(request).back, request.lottery.backName);
    if (!back.accepted())
        return Refusal{back.refusal()};
    return std::optional<ZoneBets>(std::move(back.value()));
}

Check playProblem(const ComposeRequest &request)
{
    const LottoPick pick = lottoPick(request);
    if (request.play == ComposePlay::Compound && pick.front.isBanker())
        return Refusal{"复式不用胆码；要用胆码请选“胆拖”。"};
    if (request.play == ComposePlay::Banker && !pick.front.isBanker() && !pick.back.isBanker())
        return Refusal{"胆拖须至少选一个胆码（点两下号码）。"};
    if (request.play == ComposePlay::Wheel && pick.front.isBanker())
        return Refusal{"旋转矩阵不用胆码，请把胆码改为选号。"};
    return std::nullopt;
}

} // namespace

std::optional<WheelTerms> requestedWheel(const ComposeRequest &request)
{
    if (request.play != ComposePlay::Wheel || request.zones.empty())
        return std::nullopt;
    const WheelTerms terms{static_cast<int>(request.zones[0].others.size()), request.lottery.count,
                           request.drawn, request.kept};
    if (wheelTermsProblem(terms))
        return std::nullopt;
    return terms;
}

Outcome<BetCount> composeCount(const ComposeRequest &request, const std::vector<BetMask> *wheel)
{
    switch (request.play) {
    case ComposePlay::Group3:
    case ComposePlay::Group6: {
        const Outcome<GroupTicket> ticket = groupTicket(request);
        return ticket.accepted() ? Outcome<BetCount>(ticket.value().count()) : Refusal{ticket.refusal()};
    }
    case ComposePlay::Compound:
        if (!request.lottery.isLotto()) {
            const Outcome<DigitTicket> ticket = DigitTicket::make(request.lottery, positions(request));
            return ticket.accepted() ? Outcome<BetCount>(ticket.value().count()) : Refusal{ticket.refusal()};
        }
        [[fallthrough]];
    case ComposePlay::Banker: {
        if (Check problem = playProblem(request))
            return *problem;
        const Outcome<LottoTicket> ticket = LottoTicket::make(request.lottery, lottoPick(request));
        return ticket.accepted() ? Outcome<BetCount>(ticket.value().count()) : Refusal{ticket.refusal()};
    }
    case ComposePlay::Wheel:
        break;
    }
    if (Check problem = playProblem(request))
        return *problem;
    const std::optional<WheelTerms> terms = requestedWheel(request);
    if (!terms) {
        const WheelTerms asked{request.zones.empty() ? 0 : static_cast<int>(request.zones[0].others.size()),
                               request.lottery.count, request.drawn, request.kept};
        const Check problem = wheelTermsProblem(asked);
        return Refusal{problem ? problem->message : "请选择保证条件。"};
    }
    const Outcome<std::optional<ZoneBets>> back = wheelBack(request);
    if (!back.accepted())
        return Refusal{back.refusal()};
    if (!wheel)
        return Refusal{"旋转矩阵" + terms->guarantee() + "尚未算出，加入表格时先搜索。"};
    const std::optional<BetCount> count
        = checkedProduct(wheel->size(), back.value() ? back.value()->count() : BetCount{1});
    return count ? Outcome<BetCount>(*count) : Refusal{"注数太大，无法投注"};
}

std::vector<int> composeBets(const ComposeRequest &request, const std::vector<BetMask> *wheel,
                             const std::function<bool(BetCount)> &progress)
{
    std::vector<int> numbers;
    BetCount made = 0;
    auto add = [&](const std::vector<int> &bet) {
        numbers.insert(numbers.end(), bet.begin(), bet.end());
        return ++made % kProgressEvery != 0 || !progress || progress(made);
    };
    const Outcome<BetCount> count = composeCount(request, wheel);
    if (!count.accepted())
        return numbers;
    numbers.reserve(count.value() * static_cast<BetCount>(request.lottery.numberCount()));
    if (request.play == ComposePlay::Group3 || request.play == ComposePlay::Group6) {
        const Outcome<GroupTicket> ticket = groupTicket(request);
        for (const std::vector<int> &bet : ticket.value().bets())
            add(bet);
    } else if (request.play == ComposePlay::Wheel) {
        const std::optional<ZoneBets> back = wheelBack(request).value();
        for (const std::vector<int> &front : wheelBets(*wheel, request.zones[0].others)) {
            if (!back) {
                if (!add(front))
                    return numbers;
                continue;
            }
            ZoneBets::Walker walker(*back);
            do {
                std::vector<int> bet = front;
                bet.insert(bet.end(), walker.bet().begin(), walker.bet().end());
                if (!add(bet))
                    return numbers;
            } while (walker.next());
        }
    } else if (!request.lottery.isLotto()) {
        const DigitTicket ticket = DigitTicket::make(request.lottery, positions(request)).value();
        for (BetCount i = 0; i < ticket.count(); ++i) {
            if (!add(ticket.bet(i)))
                return numbers;
        }
    } else {
        const LottoTicket ticket = LottoTicket::make(request.lottery, lottoPick(request)).value();
        LottoTicket::Walker walker(ticket);
        do {
            if (!add(walker.bet()))
                return numbers;
        } while (walker.next());
    }
    return numbers;
}

bool appendComposed(ResultGrid &grid, const Lottery &lottery, const std::vector<int> &numbers,
                    const std::vector<std::uint32_t> *kept, const std::function<bool(size_t)> &progress)
{
    const auto width = static_cast<size_t>(lottery.numberCount());
    const size_t rows = kept ? kept->size() : numbers.size() / width;
    std::vector<std::string> cells(width);
    for (size_t i = 0; i < rows; ++i) {
        const size_t bet = kept ? (*kept)[i] : i;
        for (size_t j = 0; j < width; ++j) {
            const int number = numbers[bet * width + j];
            cells[j] = lottery.isLotto() ? twoDigit(number) : std::to_string(number);
        }
        grid.appendBet(lottery, cells);
        if ((i + 1) % kProgressEvery == 0 && progress && !progress(i + 1))
            return false;
    }
    return true;
}

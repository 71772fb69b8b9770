// 复式 and 胆拖 of every Lotto lottery in the shipped catalogue, and the
// digit lotteries' 复式 and 组选: counts before anything is built, the first
// and last bets, the lazy walk, the price and the refusals.
#include "wheels/digit_ticket.h"
#include "wheels/lotto_ticket.h"
#include "wheels/ticket_cost.h"

#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <sstream>

namespace {

const Lottery kShuangseqiu{Lotto, 33, 6, "蓝球", 16, 1};
const Lottery kDaletou{Lotto, 35, 5, "后区", 12, 2};
const Lottery kFucai3D{Digit, 10, 3};
const Lottery kPailie5{Digit, 10, 5};
const Lottery kQixingcai{Digit, 10, 6, "后区", 15, 1};

std::vector<int> range(int from, int to)
{
    std::vector<int> numbers(static_cast<size_t>(to - from + 1));
    std::iota(numbers.begin(), numbers.end(), from);
    return numbers;
}

std::vector<int> join(std::vector<int> a, const std::vector<int> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

LottoTicket ticket(const Lottery &lottery, LottoPick pick)
{
    auto made = LottoTicket::make(lottery, std::move(pick));
    if (!made.accepted())
        throw std::runtime_error(made.refusal());
    return made.value();
}

std::string refusal(const Lottery &lottery, LottoPick pick)
{
    auto made = LottoTicket::make(lottery, std::move(pick));
    return made.accepted() ? "accepted" : made.refusal();
}

// The Lotto lotteries of install/数据库/彩票数据.csv.
std::vector<std::pair<std::string, Lottery>> shippedLottos()
{
    std::ifstream in(KORVEL_SOURCE_DIR "/install/数据库/彩票数据.csv");
    std::string line;
    std::getline(in, line);
    std::vector<std::pair<std::string, Lottery>> lotteries;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            f.push_back(field);
        f.resize(7);
        if (f[1] != "0")
            continue;
        lotteries.emplace_back(f[0], f[4].empty() ? Lottery(Lotto, std::stoi(f[2]), std::stoi(f[3]))
                                                  : Lottery(Lotto, std::stoi(f[2]), std::stoi(f[3]), f[4],
                                                            std::stoi(f[5]), std::stoi(f[6])));
    }
    return lotteries;
}

} // namespace

TEST(LottoTicket, CountsAndPricesTheRulesExamples)
{
    const auto red7 = ticket(kShuangseqiu, {{{}, range(1, 7)}, {{}, {9}}});
    EXPECT_EQ(red7.count(), 7u);
    EXPECT_EQ(ticketCost(red7.count(), false), 14u);
    const auto red8blue2 = ticket(kShuangseqiu, {{{}, range(1, 8)}, {{}, {3, 9}}});
    EXPECT_EQ(red8blue2.count(), 56u);
    EXPECT_EQ(ticketCost(red8blue2.count(), false), 112u);
    const auto front6back3 = ticket(kDaletou, {{{}, range(1, 6)}, {{}, {1, 2, 3}}});
    EXPECT_EQ(front6back3.count(), 18u);
    EXPECT_EQ(ticketCost(front6back3.count(), true), 54u); // 追加: 3元 a bet
    const auto banker = ticket(kShuangseqiu, {{{5, 20}, {1, 2, 3, 4, 6, 7}}, {{}, {16}}});
    EXPECT_EQ(banker.count(), 15u);
    EXPECT_EQ(banker.bet(0), (std::vector<int>{1, 2, 3, 4, 5, 20, 16}));
    EXPECT_EQ(banker.bet(14), (std::vector<int>{3, 4, 5, 6, 7, 20, 16}));
    // 大乐透's 后区 as a 胆拖 too: 1 胆 and 3 拖 give 3 pairs.
    const auto backBanker = ticket(kDaletou, {{{}, range(1, 6)}, {{12}, {1, 5, 7}}});
    EXPECT_EQ(backBanker.count(), 18u);
    EXPECT_EQ(backBanker.bet(1), (std::vector<int>{1, 2, 3, 4, 5, 5, 12}));
}

// Every Lotto lottery of the catalogue: a 复式 of K + 2 numbers (and K2 + 1
// in the back zone) and a 胆拖 of 1 胆 with K + 1 拖, walked bet by bet.
TEST(LottoTicket, EveryShippedLotteryWalksItsBetsInOrder)
{
    const auto lotteries = shippedLottos();
    ASSERT_EQ(lotteries.size(), 5u);
    for (const auto &[name, lottery] : lotteries) {
        SCOPED_TRACE(name);
        const int k = lottery.count;
        const int k2 = lottery.backCount;
        const BetCount backBets = lottery.hasBack() ? static_cast<BetCount>(k2 + 1) : 1;
        const ZoneChoice back{{}, range(1, k2 + 1)};
        const auto plain = ticket(lottery, {{{}, range(1, k + 2)}, back});
        EXPECT_EQ(plain.count(), static_cast<BetCount>((k + 2) * (k + 1) / 2) * backBets);
        EXPECT_EQ(plain.bet(0), join(range(1, k), range(1, k2)));
        EXPECT_EQ(plain.bet(plain.count() - 1), join(range(3, k + 2), range(2, k2 + 1)));

        const int last = lottery.total;
        const auto banker = ticket(lottery, {{{last}, range(1, k + 1)}, back});
        EXPECT_EQ(banker.count(), static_cast<BetCount>((k + 1) * k / 2) * backBets);
        EXPECT_EQ(banker.bet(0), join(join(range(1, k - 1), {last}), range(1, k2)));
        EXPECT_EQ(banker.bet(banker.count() - 1), join(join(range(3, k + 1), {last}), range(2, k2 + 1)));

        for (const LottoTicket *t : {&plain, &banker}) {
            LottoTicket::Walker walker(*t);
            BetCount walked = 0;
            std::vector<int> previous;
            do {
                const std::vector<int> bet = walker.bet();
                ASSERT_EQ(bet, t->bet(walked));
                ASSERT_LT(previous, bet);
                ASSERT_TRUE(std::is_sorted(bet.begin(), bet.begin() + k));
                previous = bet;
                ++walked;
            } while (walker.next());
            EXPECT_EQ(walked, t->count());
        }
    }
}

TEST(LottoTicket, RefusesWhatTheRulesDoNotAllow)
{
    const ZoneChoice blue{{}, {1}};
    EXPECT_EQ(refusal(kShuangseqiu, {{{}, range(1, 5)}, blue}), "前区至少要选6个号码。");
    EXPECT_EQ(refusal(kShuangseqiu, {{{}, range(1, 6)}, {{}, {}}}), "蓝球至少要选1个号码。");
    EXPECT_EQ(refusal(kDaletou, {{range(1, 5), range(6, 9)}, {{}, {1, 2}}}), "前区胆码最多4个。");
    EXPECT_EQ(refusal(kDaletou, {{range(1, 4), range(5, 9)}, {{}, {1, 2}}}), "accepted");
    EXPECT_EQ(refusal(kDaletou, {{range(1, 2), range(3, 5)}, {{}, {1, 2}}}), "前区胆码与拖码合计须多于5个。");
    EXPECT_EQ(refusal(kDaletou, {{range(1, 2), range(3, 6)}, {{}, {1, 2}}}), "accepted");
    EXPECT_EQ(refusal(kShuangseqiu, {{{}, range(1, 6)}, {{1}, {2, 3}}}), "蓝球每注只有1个号码，不能胆拖。");
    EXPECT_EQ(refusal(kShuangseqiu, {{{}, range(1, 6)}, {{}, {17}}}), "蓝球号码须在1至16之间。");
    EXPECT_EQ(refusal(kShuangseqiu, {{{3}, range(1, 6)}, blue}), "前区号码不能重复。");
    EXPECT_EQ(refusal(Lottery(Lotto, 22, 5), {{{}, {0, 1, 2, 3, 4}}, {}}), "号码须在1至22之间。");
    EXPECT_EQ(refusal(kFucai3D, {{{}, {1, 2, 3}}, {}}), "数字型彩票没有胆拖，请按位选择复式号码。");
}

// C(67, 33) is the largest central binomial in 64 bits; a count past it, or
// a product of two zones past it, is refused instead of wrapping.
TEST(LottoTicket, RefusesCountsBeyondSixtyFourBits)
{
    EXPECT_EQ(binomial(67, 33), 14226520737620288370u);
    EXPECT_EQ(binomial(68, 34), std::nullopt);
    EXPECT_EQ(binomial(80, 10), 1646492110120u);
    EXPECT_EQ(refusal(Lottery(Lotto, 68, 34), {{{}, range(1, 68)}, {}}), "注数太多，无法计算。");
    const Lottery twoBig(Lotto, 64, 32, "后区", 64, 32);
    EXPECT_EQ(refusal(twoBig, {{{}, range(1, 64)}, {{}, range(1, 32)}}), "accepted");
    EXPECT_EQ(refusal(twoBig, {{{}, range(1, 64)}, {{}, range(1, 64)}}), "注数太多，无法计算。");
    EXPECT_EQ(ticketCost(UINT64_MAX / 2 + 1, false), std::nullopt);
    EXPECT_EQ(ticketCost(UINT64_MAX / 3, true), UINT64_MAX / 3 * 3);
}

TEST(DigitTicket, CountsPositionsAndWalksThemLastFastest)
{
    const auto made = DigitTicket::make(kFucai3D, {{2, 1}, {3}, {6, 4, 5}});
    ASSERT_TRUE(made.accepted());
    EXPECT_EQ(made.value().count(), 6u);
    EXPECT_EQ(made.value().bet(0), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(made.value().bet(1), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(made.value().bet(5), (std::vector<int>{2, 3, 6}));

    const auto seven = DigitTicket::make(kQixingcai, {range(0, 9), {0}, {1}, {2}, {3}, {4, 5}, {0, 14}});
    ASSERT_TRUE(seven.accepted());
    EXPECT_EQ(seven.value().count(), 40u);
    EXPECT_EQ(seven.value().bet(39), (std::vector<int>{9, 0, 1, 2, 3, 5, 14}));

    const auto refused = [](const Lottery &l, std::vector<std::vector<int>> p) {
        const auto t = DigitTicket::make(l, std::move(p));
        return t.accepted() ? std::string("accepted") : t.refusal();
    };
    EXPECT_EQ(refused(kQixingcai, {{0}, {0}, {0}, {0}, {0}, {0}, {15}}), "后区号码须在0至14之间。");
    EXPECT_EQ(refused(kPailie5, {{0}, {0}, {}, {0}, {0}}), "第3位至少要选1个号码。");
    EXPECT_EQ(refused(kPailie5, {{0}, {0}, {0}, {0}}), "每注须有5位号码。");
    EXPECT_EQ(refused(kFucai3D, {{1, 1}, {0}, {0}}), "第1位号码不能重复。");
    EXPECT_EQ(refused(kShuangseqiu, {}), "乐透型彩票请选择复式或胆拖号码。");
}

TEST(GroupTicket, GroupSixAndGroupThreeOfThreeDigitLotteries)
{
    const auto six = GroupTicket::make(kFucai3D, GroupPlay::Group6, {7, 1, 4, 2});
    ASSERT_TRUE(six.accepted());
    EXPECT_EQ(six.value().count(), 4u);
    EXPECT_EQ(six.value().bets().front(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(six.value().bets().back(), (std::vector<int>{2, 4, 7}));

    const auto three = GroupTicket::make(kFucai3D, GroupPlay::Group3, {3, 1, 2});
    ASSERT_TRUE(three.accepted());
    const std::vector<std::vector<int>> expected{{1, 1, 2}, {1, 1, 3}, {1, 2, 2},
                                                 {1, 3, 3}, {2, 2, 3}, {2, 3, 3}};
    EXPECT_EQ(three.value().bets(), expected);

    EXPECT_EQ(GroupTicket::make(kFucai3D, GroupPlay::Group6, {1, 2}).refusal(), "组选6至少要选3个号码。");
    EXPECT_EQ(GroupTicket::make(kFucai3D, GroupPlay::Group3, {1}).refusal(), "组选3至少要选2个号码。");
    EXPECT_EQ(GroupTicket::make(kFucai3D, GroupPlay::Group3, {1, 10}).refusal(), "号码须在0至9之间。");
    EXPECT_EQ(GroupTicket::make(kPailie5, GroupPlay::Group6, {1, 2, 3}).refusal(), "该彩票没有组选玩法。");
    EXPECT_EQ(GroupTicket::make(kQixingcai, GroupPlay::Group6, {1, 2, 3}).refusal(), "该彩票没有组选玩法。");
}

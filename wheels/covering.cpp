#include "wheels/covering.h"

#include "base/two_digit.h"
#include "wheels/binomial.h"
#include "wheels/subset_rank.h"

#include <algorithm>
#include <bit>

std::string WheelTerms::guarantee() const
{
    return "中" + std::to_string(m) + "保" + std::to_string(t);
}

Check wheelTermsProblem(const WheelTerms &s)
{
    if (s.v > kMaxWheelNumbers)
        return Refusal{"旋转矩阵最多可选" + std::to_string(kMaxWheelNumbers) + "个号码。"};
    if (s.k < 1 || s.v <= s.k)
        return Refusal{"旋转矩阵所选号码须多于每注号码个数（" + std::to_string(s.k) + "个）。"};
    if (s.t < 2 || s.t > s.m || s.m > s.k)
        return Refusal{"保证条件须满足 2 ≤ 保 ≤ 中 ≤ 每注号码个数。"};
    const auto targets = binomial(s.v, s.m);
    if (!targets || *targets > kMaxWheelTargets)
        return Refusal{"号码太多，无法计算" + s.guarantee() + "的旋转矩阵。"};
    return std::nullopt;
}

bool verifyWheel(const WheelTerms &s, const std::vector<BetMask> &bets)
{
    const BetMask all = s.v == 64 ? ~BetMask{0} : (BetMask{1} << s.v) - 1;
    const SubsetRanker tRank(s.v, s.t);
    std::vector<bool> covered(tRank.size(), false);
    for (const BetMask bet : bets) {
        if ((bet & ~all) != 0 || std::popcount(bet) != s.k)
            return false;
        forEachSubset(bet, s.t, [&](BetMask sub) { covered[tRank.rank(sub)] = true; });
    }
    // An M-set is caught when one of its T-subsets lies in a bet.
    bool ok = true;
    forEachSubset(all, s.m, [&](BetMask drawn) {
        if (!ok)
            return;
        bool caught = false;
        forEachSubsetWhile(drawn, s.t, [&](BetMask sub) {
            caught = covered[tRank.rank(sub)];
            return !caught;
        });
        ok = caught;
    });
    return ok;
}

std::vector<int> betNumbers(BetMask bet)
{
    std::vector<int> numbers;
    for (; bet != 0; bet &= bet - 1)
        numbers.push_back(std::countr_zero(bet) + 1);
    return numbers;
}

BetMask betMask(const std::vector<int> &numbers)
{
    BetMask mask = 0;
    for (const int n : numbers)
        mask |= BetMask{1} << (n - 1);
    return mask;
}

std::vector<std::vector<int>> wheelBets(const std::vector<BetMask> &bets, const std::vector<int> &chosen)
{
    std::vector<std::vector<int>> mapped;
    for (const BetMask bet : bets) {
        std::vector<int> numbers;
        for (const int i : betNumbers(bet))
            numbers.push_back(chosen.at(static_cast<size_t>(i - 1)));
        std::sort(numbers.begin(), numbers.end());
        mapped.push_back(std::move(numbers));
    }
    std::sort(mapped.begin(), mapped.end());
    return mapped;
}

std::vector<BetMask> sortedBets(std::vector<BetMask> bets)
{
    std::sort(bets.begin(), bets.end(), [](BetMask a, BetMask b) { return betNumbers(a) < betNumbers(b); });
    return bets;
}

std::string wheelText(const std::vector<BetMask> &bets)
{
    std::string text;
    for (const BetMask bet : sortedBets(bets)) {
        bool first = true;
        for (const int n : betNumbers(bet)) {
            if (!first)
                text += ' ';
            text += twoDigit(n);
            first = false;
        }
        text += '\n';
    }
    return text;
}

std::optional<std::vector<BetMask>> parseWheelText(const std::string &text)
{
    std::vector<BetMask> bets;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        BetMask bet = 0;
        size_t i = 0;
        while (i < line.size()) {
            if (line[i] == ' ') {
                ++i;
                continue;
            }
            int n = 0;
            size_t digits = 0;
            for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && digits < 3; ++i, ++digits)
                n = n * 10 + (line[i] - '0');
            if (digits == 0 || n < 1 || n > kMaxWheelNumbers || (bet >> (n - 1) & 1) != 0)
                return std::nullopt;
            bet |= BetMask{1} << (n - 1);
        }
        bets.push_back(bet);
    }
    return bets;
}

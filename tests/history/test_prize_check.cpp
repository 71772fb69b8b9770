// Checking many bets: the summary line, checking against the whole history,
// and rule tables that contradict themselves.
#include "prize_cases.h"

#include "history/check_text.h"

#include "../support/error_of.h"

namespace {

const DrawShape kSsq = drawShapeOf("双色球", {0, 33, 6, "蓝球", 16, 1});
const DrawShape kDlt = drawShapeOf("大乐透", {0, 35, 5, "后区", 12, 2});

PrizeTable shipped(const std::string &lottery)
{
    return PrizeTable::fromRows(lottery, shippedPrizeRules());
}

PrizeRuleRow row(std::string level, int front, std::string prize, std::string price = "2")
{
    return {"自选",           "0", "", std::move(level), 5, "号码", front, std::nullopt, std::nullopt,
            std::move(prize), "",  "", std::move(price)};
}

} // namespace

TEST(CheckSummary, CountsStakeWinnersFixedAndFloatingPrizes)
{
    const Draw draw{{{3, 9, 14, 20, 27, 33}, {7}, std::nullopt}, "双色球", "2026093", ""};
    std::vector<LotteryNumbers> bets(20, LotteryNumbers{{1, 2, 4, 5, 6, 8}, {1}}); // nothing
    bets[3] = {{3, 9, 14, 20, 27, 33}, {7}};                                       // 一等奖, floating
    bets[8] = {{3, 9, 14, 20, 1, 2}, {1}};                                         // 4+0 五等奖 10
    bets[15] = {{1, 2, 4, 5, 6, 8}, {7}};                                          // 0+1 六等奖 5
    const DrawCheck check = checkBets(bets, draw, kSsq, shipped("双色球"));
    EXPECT_EQ(check.summary(), "共20注 投入40元 中奖3注 奖金15元（另有浮动奖1注）");
    EXPECT_EQ(check.bets[8].frontHits, 4);
    EXPECT_EQ(check.bets[8].backHits, 0);

    // No winner at all.
    EXPECT_EQ(checkBets({bets[0]}, draw, kSsq, shipped("双色球")).summary(), "共1注 投入2元 中奖0注 奖金0元");
}

TEST(CheckSummary, PoolTierAndUnratedBetsAreSpelledOut)
{
    const Draw draw{{{4, 11, 18, 25, 35}, {3, 12}, std::nullopt}, "大乐透", "26088", ""};
    const std::vector<LotteryNumbers> bets = {{{4, 11, 18, 1, 2}, {5, 6}},       // 3+0 七等奖 5 / 7
                                              {{4, 11, 18, 25, 1}, {3, 6}},      // 4+1 四等奖 300 / 380
                                              {{4, 11, 18, 25, 35, 1}, {3, 6}}}; // six numbers: no single bet
    const PrizeTable table = shipped("大乐透");
    EXPECT_EQ(checkBets(bets, draw, kDlt, table).summary(),
              "共3注 投入6元 中奖2注 奖金305元（奖池≥8亿元时387元）（1注不是单式投注，只显示命中个数）");
    EXPECT_EQ(checkBets(bets, draw, kDlt, table, {PoolTier::High, ""}).summary(),
              "共3注 投入6元 中奖2注 奖金387元（1注不是单式投注，只显示命中个数）");
    // Each bet shows its own amount, in the tier asked for.
    const std::vector<std::pair<PoolTier, std::vector<std::string>>> tiers = {
        {PoolTier::Both, {"5元（奖池≥8亿元时7元）", "300元（奖池≥8亿元时380元）", ""}},
        {PoolTier::High, {"7元", "380元", ""}},
        {PoolTier::Low, {"5元", "300元", ""}},
    };
    for (const auto &[tier, amounts] : tiers) {
        const DrawCheck check = checkBets(bets, draw, kDlt, table, {tier, ""});
        std::vector<std::string> shown;
        for (const BetCheck &bet : check.bets)
            shown.push_back(prizeText(bet, check.highCondition));
        EXPECT_EQ(shown, amounts);
    }

    // A draw typed without its 期号 is checked by the newest rules.
    Draw typed = draw;
    typed.issue.clear();
    EXPECT_EQ(checkBets({bets[1]}, typed, kDlt, table).bets[0].level, "四等奖");

    // A lottery of the player's own has no rules: hits only.
    const DrawCheck own = checkBets(bets, draw, kDlt, PrizeTable());
    EXPECT_EQ(own.summary(), "共3注（本彩票没有奖级规则，只显示命中个数）");
    EXPECT_EQ(own.bets[1].frontHits, 4);
    EXPECT_EQ(own.bets[1].backHits, 1);

    // 双色球 as today's catalogue holds it, without its blue ball: the rules do not fit.
    const DrawShape single = drawShapeOf("双色球", {0, 33, 6});
    const Draw red{{{3, 9, 14, 20, 27, 33}, {}}, "双色球", "2026093", ""};
    EXPECT_EQ(checkBets({{{3, 9, 14, 20, 27, 33}, {}}}, red, single, shipped("双色球")).summary(),
              "共1注（奖级规则与本彩票的号码区不符，只显示命中个数）");
}

TEST(HistoryCheck, BestLevelAndCountsOverEveryDrawUnderItsOwnRules)
{
    // Each draw is checked by the rules of its 期号: 3+0 is 九等奖 before
    // 26014 and 七等奖 from it; levels are listed best first.
    const std::vector<Draw> draws = {
        {{{4, 11, 18, 25, 35}, {3, 12}}, "大乐透", "26012", ""},
        {{{4, 11, 18, 30, 31}, {5, 6}}, "大乐透", "26013", ""},
        {{{4, 11, 18, 25, 34}, {3, 9}}, "大乐透", "26014", ""},
        {{{1, 2, 3, 5, 6}, {1, 2}}, "大乐透", "26015", ""},
        {{{4, 11, 18, 30, 31}, {5, 6}}, "大乐透", "26016", ""},
    };
    const HistoryChecker checker(draws, kDlt, shipped("大乐透"));
    const HistoryCheck result = checker.check({{4, 11, 18, 25, 35}, {3, 7}});
    EXPECT_EQ(result.draws, 5);
    EXPECT_EQ(result.rated, 5);
    EXPECT_EQ(result.best, "二等奖");
    EXPECT_EQ(levelCountsText(result),
              "二等奖（19019期起规则，浮动）1次，四等奖（26014期起规则，300元或380元）1次，"
              "七等奖（26014期起规则，5元或7元）1次，九等奖（19019期起规则，5元）1次");
    EXPECT_EQ(historyWonText(result), "310元（奖池≥8亿元时392元）+浮动奖1次");

    // One name, two versions, two amounts: never counted as one level.
    const std::vector<Draw> sixth = {
        {{{1, 2, 3, 20, 21}, {1, 2}}, "大乐透", "26013", ""},
        {{{1, 2, 3, 22, 23}, {1, 5}}, "大乐透", "26014", ""},
    };
    const HistoryCheck both
        = HistoryChecker(sixth, kDlt, shipped("大乐透")).check({{1, 2, 3, 30, 31}, {1, 2}});
    EXPECT_EQ(levelCountsText(both),
              "六等奖（19019期起规则，200元）1次，六等奖（26014期起规则，15元或18元）1次");
    EXPECT_EQ(historyWonText(both), "215元（奖池≥8亿元时218元）");
    CheckOptions high;
    high.tier = PoolTier::High;
    EXPECT_EQ(historyWonText(
                  HistoryChecker(sixth, kDlt, shipped("大乐透"), high).check({{1, 2, 3, 30, 31}, {1, 2}})),
              "218元");

    const HistoryCheck nothing
        = HistoryChecker(draws, kDlt, PrizeTable()).check({{4, 11, 18, 25, 35}, {3, 7}});
    EXPECT_EQ(nothing.rated, 0);
    EXPECT_EQ(nothing.best, "");
    EXPECT_TRUE(nothing.counts.empty());
    // Without rules the hits are all there is: the most of them, and how often.
    EXPECT_EQ(mostHitsText(nothing, kDlt), "最多命中5+1个（1期）");
    const HistoryCheck twice = HistoryChecker(draws, kDlt, PrizeTable()).check({{4, 11, 18, 30, 1}, {5, 7}});
    EXPECT_EQ(mostHitsText(twice, kDlt), "最多命中4+1个（2期）");
}

TEST(PrizeTable, RowsThatContradictEachOtherAreRefusedByName)
{
    EXPECT_NE(errorOf([] {
                  PrizeTable::fromRows("自选", {row("一等奖", 5, "浮动"), row("二等奖", 5, "10")});
              }).find("条件与“一等奖”重叠"),
              std::string::npos);
    EXPECT_NE(errorOf([] {
                  PrizeTable::fromRows("自选", {row("二等奖", 4, "50"), row("二等奖", 3, "5")});
              }).find("同一奖级的奖金不一致"),
              std::string::npos);
    EXPECT_NE(errorOf([] {
                  PrizeTable::fromRows("自选", {row("一等奖", 5, "浮动"), row("二等奖", 4, "50", "3")});
              }).find("每注价格"),
              std::string::npos);
    EXPECT_NE(errorOf([] { PrizeTable::fromRows("自选", {row("一等奖", 6, "浮动")}); }).find("前区命中6"),
              std::string::npos);
    EXPECT_NE(errorOf([] { PrizeTable::fromRows("自选", {row("一等奖", 5, "十元")}); }).find("奖金“十元”"),
              std::string::npos);
    EXPECT_EQ(errorOf([] {
                  PrizeTable::fromRows("自选", {row("一等奖", 5, "0.05"), row("二等奖", 4, "12.5")});
              }),
              "no error");
    EXPECT_EQ(yuanText(5), "0.05");
    EXPECT_EQ(yuanText(1250), "12.5");
}

TEST(PrizeCsv, MalformedLinesAreNamed)
{
    const std::string header = "彩票名称,起始期号,玩法,奖级,投注个数,匹配,前区命中,后区命中,特别号,奖金,"
                               "高档奖金,高档条件,每注价格\n";
    EXPECT_EQ(parsePrizeCsv(header + "# remark\n\nA,0,,一等奖,5,号码,5,,,浮动,,,2\n").size(), 1u);
    EXPECT_EQ(errorOf([&] { parsePrizeCsv(header + "A,0,,一等奖,5,号码,5,,浮动,,,2\n"); }),
              "奖级规则第2行：应有13列，读到12列");
    EXPECT_EQ(errorOf([&] { parsePrizeCsv(header + "A,0,,一等奖,five,号码,5,,,浮动,,,2\n"); }),
              "奖级规则第2行：投注个数“five”不是整数");
    EXPECT_EQ(errorOf([] { parsePrizeCsv("彩票名称,期号\n"); }), "奖级规则第1行：表头应为各列的名称");
}

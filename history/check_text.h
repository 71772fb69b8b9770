#pragma once

#include "history/prize_check.h"
#include "history/trend_chart.h"

#include <string>
#include <vector>

// What the windows of the draw history say, worked out here so that they
// only show it.

// One row of bets as the result grid holds it: the last cells are the back
// zone's when the lottery has one. Cells that are no number are left out,
// so they never hit.
LotteryNumbers betOfCells(const std::vector<std::string> &cells, const DrawShape &shape);

// How a draw is listed for choosing: "2026015期 2026-02-03 01 05 12 20 28 33".
std::string drawLabel(const Draw &draw, const DrawShape &shape);

// The question for a draw the player types in, for example
// "请输入双色球的6个开奖号码："; with its 期号 and date when it is to be stored.
std::string drawPrompt(const std::string &lottery, const DrawShape &shape, bool withIssue = false);

// The question for a draw to check bets against: its 期号 says which rules
// apply, and without one the newest do. "请输入双色球的期号（可省略）、6个红球号码
// 和1个蓝球号码（用“+”隔开）：".
std::string checkDrawPrompt(const std::string &lottery, const DrawShape &shape);

// The message that refuses a typed draw, from the reader's reason.
std::string typedDrawRefusal(const std::string &reason);

// A bet's prize as the check shows it: "5元", "浮动", both tiers
// "5000元（奖池≥8亿元时6666元）", or empty when it won nothing.
std::string prizeText(const BetCheck &check, const std::string &highCondition);

// How often a bet won each level over the stored draws, with what one win
// paid: "一等奖（浮动）1次，六等奖（15元）40次", or "未中奖". A lottery whose
// rules changed names the version of each: "六等奖（19019期起规则，200元）1次";
// an amount that depends on the pool names both: "三等奖（5000元或6666元）1次".
std::string levelCountsText(const HistoryCheck &check);

// What a bet won over the stored draws in all: "0元", "215元",
// "5000元（奖池≥8亿元时6666元）", "15元+浮动奖1次".
std::string historyWonText(const HistoryCheck &check);

// What a bet did over draws no prize rule applies to: "最多命中5个（2期）",
// "最多命中4+1个（1期）" for two zones.
std::string mostHitsText(const HistoryCheck &check, const DrawShape &shape);

// The plays a bet of `betCount` numbers may be checked as, under the rules
// in force for this 期号 ("单选", "组选3", "组选6"); empty where there is
// no choice to make.
std::vector<std::string> playChoices(const PrizeTable &table, const std::string &issue, int betCount);
// Which of the choices stays chosen: the player's while it is still offered,
// else the first.
int keptChoice(const std::vector<std::string> &choices, const std::string &chosen);

// The pool-tier list for a draw whose rules pay a high tier under this
// condition ("奖池≥8亿元"): both tiers, the high one naming its condition,
// the low one; empty where the rules know one tier.
std::vector<std::string> tierChoices(const std::string &highCondition);
// The tier chosen at that place of tierChoices' list.
PoolTier tierOfChoice(int index);

// For each chart column, how many of the bets hold its number (the overlay
// row of the trend chart).
std::vector<int> betColumnCounts(const TrendChart &chart, const std::vector<LotteryNumbers> &bets);

// How many hot and cold numbers the statistics name for a group.
int hotColdCount(const ChartGroup &group);

// A list of hot or cold numbers as the statistics show it: "01 05 12",
// "01 05 12 20（含并列）" where ties made it longer than asked for, "无"
// where no number stands out (all came equally often).
std::string heatListText(const std::vector<int> &numbers, bool tied, bool digits);

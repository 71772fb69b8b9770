#include "history/check_text.h"

#include "base/int_text.h"

#include <algorithm>

LotteryNumbers betOfCells(const std::vector<std::string> &cells, const DrawShape &shape)
{
    const size_t backCount = shape.back ? static_cast<size_t>(shape.back->count) : 0;
    const size_t frontCount = cells.size() > backCount ? cells.size() - backCount : 0;
    LotteryNumbers bet;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (const auto value = parseInt(cells[i]))
            (i < frontCount ? bet.front : bet.back).push_back(*value);
    }
    return bet;
}

std::string drawLabel(const Draw &draw, const DrawShape &shape)
{
    std::string text = draw.issue.empty() ? std::string("输入的号码") : draw.issue + "期";
    if (!draw.date.empty())
        text += " " + draw.date;
    return text + " " + drawNumbersText(draw, shape);
}

namespace {

// "请输入<lottery>的<parts>、<numbers>"; `parts` what the line starts with.
std::string promptFor(const std::string &lottery, const DrawShape &shape, std::vector<std::string> parts)
{
    const std::string front = std::to_string(shape.front.count) + "个";
    if (shape.back) {
        parts.push_back(front + shape.front.name + "号码");
        parts.push_back(std::to_string(shape.back->count) + "个" + shape.back->name + "号码");
    } else if (shape.special) {
        parts.push_back(front + "基本号码");
        parts.push_back("1个特别号");
    } else {
        parts.push_back(front + "开奖号码");
    }
    // "A、B和C": one 和, before the last part.
    std::string text = "请输入" + lottery + "的";
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? "和" : "、") + parts[i];
    if (shape.back || shape.special)
        text += "（用“+”隔开）";
    return text + "：";
}

} // namespace

std::string drawPrompt(const std::string &lottery, const DrawShape &shape, bool withIssue)
{
    return promptFor(lottery, shape,
                     withIssue ? std::vector<std::string>{"期号", "开奖日期（可省略）"}
                               : std::vector<std::string>{});
}

std::string checkDrawPrompt(const std::string &lottery, const DrawShape &shape)
{
    return promptFor(lottery, shape, {"期号（可省略）"});
}

std::string typedDrawRefusal(const std::string &reason)
{
    // "号码“10”不在0到9之间" reads as a sentence once it is the draw's.
    if (reason.rfind("号码", 0) == 0)
        return "开奖" + reason + "！";
    return "开奖号码有误：" + reason + "！";
}

std::string prizeText(const BetCheck &check, const std::string &highCondition)
{
    if (check.level.empty())
        return {};
    if (check.prize.floating)
        return "浮动";
    std::string text = yuanText(check.prize.fen) + "元";
    if (check.prize.highFen && *check.prize.highFen != check.prize.fen)
        text += "（" + highCondition + "时" + yuanText(*check.prize.highFen) + "元）";
    return text;
}

std::string levelCountsText(const HistoryCheck &check)
{
    if (check.counts.empty())
        return "未中奖";
    std::string text;
    for (const LevelCount &count : check.counts) {
        std::string amount = count.prize.floating ? std::string("浮动") : yuanText(count.prize.fen) + "元";
        if (!count.prize.floating && count.prize.highFen && *count.prize.highFen != count.prize.fen)
            amount += "或" + yuanText(*count.prize.highFen) + "元";
        const std::string version = check.severalVersions ? count.firstIssue + "期起规则，" : std::string();
        if (!text.empty())
            text += "，";
        text += count.level;
        text += "（";
        text += version;
        text += amount;
        text += "）";
        text += std::to_string(count.count) + "次";
    }
    return text;
}

std::string mostHitsText(const HistoryCheck &check, const DrawShape &shape)
{
    std::string hits = std::to_string(check.mostFront);
    if (shape.back)
        hits += "+" + std::to_string(check.mostBack);
    return "最多命中" + hits + "个（" + std::to_string(check.mostDraws) + "期）";
}

std::vector<std::string> playChoices(const PrizeTable &table, const std::string &issue, int betCount)
{
    std::vector<std::string> names;
    if (const PrizeVersion *version = table.versionFor(issue)) {
        for (const PrizePlay &play : version->plays) {
            if (play.betCount == betCount && !play.name.empty())
                names.push_back(play.name);
        }
    }
    if (names.size() < 2)
        names.clear();
    return names;
}

std::vector<int> betColumnCounts(const TrendChart &chart, const std::vector<LotteryNumbers> &bets)
{
    std::vector<int> counts(static_cast<size_t>(chart.columnCount()), 0);
    for (const LotteryNumbers &bet : bets) {
        const std::vector<bool> marked = chart.columnsOf(bet.front, bet.back);
        for (size_t c = 0; c < marked.size(); ++c)
            counts[c] += marked[c] ? 1 : 0;
    }
    return counts;
}

int hotColdCount(const ChartGroup &group)
{
    const int size = group.high - group.low + 1;
    return size <= 10 ? 3 : size <= 40 ? 5 : 10;
}

std::string heatListText(const std::vector<int> &numbers, bool tied, bool digits)
{
    if (numbers.empty())
        return "无";
    return zoneText(numbers, digits) + (tied ? "（含并列）" : "");
}

std::string historyWonText(const HistoryCheck &check)
{
    std::string text;
    if (check.wonFen > 0 || check.floating == 0) {
        text = yuanText(check.wonFen) + "元";
        if (check.wonHighFen != check.wonFen)
            text += "（" + check.highCondition + "时" + yuanText(check.wonHighFen) + "元）";
    }
    if (check.floating > 0)
        text += std::string(text.empty() ? "" : "+") + "浮动奖" + std::to_string(check.floating) + "次";
    return text;
}

int keptChoice(const std::vector<std::string> &choices, const std::string &chosen)
{
    const auto kept = std::find(choices.begin(), choices.end(), chosen);
    return kept == choices.end() ? 0 : static_cast<int>(kept - choices.begin());
}

std::vector<std::string> tierChoices(const std::string &highCondition)
{
    if (highCondition.empty())
        return {};
    return {"两档都列出", "高档（" + highCondition + "）", "低档"};
}

PoolTier tierOfChoice(int index)
{
    return index == 1 ? PoolTier::High : index == 2 ? PoolTier::Low : PoolTier::Both;
}

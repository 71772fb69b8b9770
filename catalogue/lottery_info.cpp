#include "catalogue/lottery_info.h"

#include "base/int_text.h"

LotteryInfo lotteryFromRow(const CatalogueRow &row)
{
    LotteryInfo lottery;
    lottery.name = row.name;
    lottery.lottery.kind = strToInt(row.kind.toStdString());
    lottery.lottery.count = strToInt(row.count.toStdString());
    lottery.lottery.total = strToInt(row.total.toStdString());
    const int backCount = row.backCount.isEmpty() ? 0 : strToInt(row.backCount.toStdString());
    if (backCount != 0) {
        lottery.lottery.backCount = backCount;
        lottery.lottery.backTotal = strToInt(row.backTotal.toStdString());
        lottery.lottery.backName
            = row.backName.isEmpty() ? std::string(kDefaultBackName) : row.backName.toStdString();
        // A single pool has no zones to tell apart; its name would only
        // stand in messages that say "号码".
        lottery.lottery.frontName = row.frontName.toStdString();
    }
    return lottery;
}

Check lotteryProblem(const LotteryInfo &lottery)
{
    const auto problem = lottery.lottery.problem();
    if (!problem)
        return std::nullopt;
    return Refusal{"彩票“" + quotedText(lottery.name).toStdString() + "”的" + problem->message};
}

namespace {

// Blanks are kept as typed, but a name with a line break or a NUL could
// never be picked from the list nor written to a number file; other control
// characters would act instead of show, and U+FFFE and U+FFFF come back from
// the store as U+FFFD, a name the player never typed. `what` is 彩票名称 or
// 后区名称.
Check nameProblem(const QString &name, const std::string &what)
{
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')) || name.contains(QChar(0)))
        return Refusal{what + "不能包含换行符或空字符！"};
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() >= 0xFFFE)
            return Refusal{what + "不能包含控制字符或无效字符！"};
    }
    return std::nullopt;
}

int integer(const QString &text)
{
    return strToInt(text.toStdString());
}

} // namespace

Check addFieldsProblem(const LotteryForm &form)
{
    if (form.name.isEmpty())
        return Refusal{"请输入彩票名称！！"};
    if (form.count.isEmpty())
        return Refusal{"请输入号码个数！！"};
    if (form.total.isEmpty())
        return Refusal{"请输入号码总数！"};
    if (form.hasBack) {
        if (form.backName.isEmpty())
            return Refusal{"请输入后区名称！！"};
        if (form.backCount.isEmpty())
            return Refusal{"请输入后区个数！！"};
        if (form.backTotal.isEmpty())
            return Refusal{"请输入后区总数！"};
    }
    if (auto problem = nameProblem(form.name, "彩票名称"))
        return problem;
    if (form.hasBack)
        return nameProblem(form.backName, "后区名称");
    return std::nullopt;
}

Outcome<LotteryInfo> lotteryToAdd(const LotteryForm &form)
{
    if (auto problem = addFieldsProblem(form))
        return *problem;
    LotteryInfo lottery{form.name, {form.kind, integer(form.total), integer(form.count)}};
    if (form.hasBack) {
        lottery.lottery.backName = form.backName.toStdString();
        lottery.lottery.backTotal = integer(form.backTotal);
        lottery.lottery.backCount = integer(form.backCount);
    }
    if (const auto problem = lotteryProblem(lottery))
        return *problem;
    return lottery;
}

const CatalogueRow *namedRow(const std::vector<CatalogueRow> &rows, const QString &name)
{
    for (const CatalogueRow &row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

const CatalogueRow *pickedRow(const std::vector<CatalogueRow> &rows, const QString &name)
{
    if (const CatalogueRow *named = namedRow(rows, name))
        return named;
    return rows.empty() ? nullptr : &rows.back();
}

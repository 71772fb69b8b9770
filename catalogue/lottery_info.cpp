#include "catalogue/lottery_info.h"

#include "base/int_text.h"

LotteryInfo lotteryFromRow(const CatalogueRow &row)
{
    LotteryInfo lottery;
    lottery.name = row.name;
    lottery.lottery.kind = strToInt(row.kind.toStdString());
    lottery.lottery.count = strToInt(row.count.toStdString());
    lottery.lottery.total = strToInt(row.total.toStdString());
    return lottery;
}

std::optional<QString> lotteryProblem(const LotteryInfo &lottery)
{
    const auto problem = lottery.lottery.problem();
    if (!problem)
        return std::nullopt;
    return QStringLiteral("彩票“") + quotedText(lottery.name) + QStringLiteral("”的")
           + QString::fromStdString(*problem);
}

std::optional<QString> addFieldsProblem(const QString &name, const QString &totalText,
                                        const QString &countText)
{
    if (name.isEmpty())
        return QStringLiteral("请输入彩票名称！！");
    if (countText.isEmpty())
        return QStringLiteral("请输入号码个数！！");
    if (totalText.isEmpty())
        return QStringLiteral("请输入号码总数！");
    // Blanks are kept as typed, but a name with a line break or a NUL could
    // never be picked from the list nor written to a number file; other
    // control characters would act instead of show, and U+FFFE and U+FFFF
    // come back from the store as U+FFFD, a name the player never typed.
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')) || name.contains(QChar(0)))
        return QStringLiteral("彩票名称不能包含换行符或空字符！");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() >= 0xFFFE)
            return QStringLiteral("彩票名称不能包含控制字符或无效字符！");
    }
    return std::nullopt;
}

std::variant<LotteryInfo, QString> lotteryToAdd(const QString &name, int kind, const QString &totalText,
                                               const QString &countText)
{
    if (auto problem = addFieldsProblem(name, totalText, countText))
        return *problem;
    LotteryInfo lottery;
    lottery.name = name;
    lottery.lottery.kind = kind;
    lottery.lottery.total = strToInt(totalText.toStdString());
    lottery.lottery.count = strToInt(countText.toStdString());
    if (const auto problem = lotteryProblem(lottery))
        return *problem;
    return lottery;
}

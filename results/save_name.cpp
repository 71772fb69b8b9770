#include "results/save_name.h"

#include <QLocale>

QString ShortDateFormat::text(const QDate &date) const
{
    if (m_printFormat)
        return QStringLiteral("%1-%2-%3")
            .arg(QString::number(date.year()), QString::number(date.month()), QString::number(date.day()));
    // The program speaks Chinese whatever the machine's language.
    return QLocale(QLocale::Chinese, QLocale::China).toString(date, QLocale::ShortFormat);
}

QString suggestedSaveName(const QString &lotteryName, const QString &dateText)
{
    return suggestedFileName(lotteryName, dateText + QStringLiteral("投注号码.txt"));
}

QString suggestedFileName(const QString &lotteryName, const QString &rest)
{
    // A name of thousands of characters would make a file name no file
    // system takes (the dialog would not save); its start still tells the
    // lottery.
    QString lottery = lotteryName.left(kSaveNameLotteryCharacters);
    if (!lottery.isEmpty() && lottery.back().isHighSurrogate())
        lottery.chop(1);
    QString name = lottery + rest;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    name.replace(QChar(0), QLatin1Char('-'));
    // Nor may it climb out of the folder as ".." would.
    if (name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return name;
}

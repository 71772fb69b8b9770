#include "results/save_name.h"

#include <QLocale>

QString ShortDateFormat::text(const QDate &date) const
{
    if (m_printFormat)
        return QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day());
    // The program speaks Chinese whatever the machine's language.
    return QLocale(QLocale::Chinese, QLocale::China).toString(date, QLocale::ShortFormat);
}

QString suggestedSaveName(const QString &lotteryName, const QString &dateText)
{
    QString name = lotteryName + dateText + QStringLiteral("投注号码.txt");
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    name.replace(QChar(0), QLatin1Char('-'));
    // Nor may it climb out of the folder as ".." would.
    if (name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return name;
}

#pragma once

#include <QDate>
#include <QString>

// The program's short date format: the Chinese short date (year/month/day)
// until the first print of the run, then year, month and day without
// leading zeros joined by "-".
class ShortDateFormat
{
public:
    QString text(const QDate &date) const;
    void switchToPrintFormat() { m_printFormat = true; }
    bool printFormat() const { return m_printFormat; }

private:
    bool m_printFormat = false;
};

// The file name "保存号码" suggests: lottery name, date and "投注号码.txt",
// with nothing between them. Path separators in either part become "-", so
// the suggestion always names a file inside the proposed folder; a lottery
// name longer than kSaveNameLotteryCharacters gives only its start.
inline constexpr int kSaveNameLotteryCharacters = 40;
QString suggestedSaveName(const QString &lotteryName, const QString &dateText);

// The same for any file named after a lottery: the name's start, then
// `rest` ("开奖号码.txt").
QString suggestedFileName(const QString &lotteryName, const QString &rest);

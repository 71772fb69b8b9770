#pragma once

#include "catalogue/lottery_info.h"

#include <QString>

#include <vector>

// The catalogue database: one SQLite file holding the table 彩票类型表 with
// the columns 彩票名称, 彩票类型, 号码总数, 号码个数 and, for lotteries with
// a back zone, 后区名称, 后区总数, 后区个数 and 前区名称 (a catalogue made
// before them has none, and its rows are single pools whose front zone is
// "前区"). Every operation opens its own
// connection and closes it before it returns; failures throw AppError with
// a message for the player.
class CatalogueStore
{
public:
    // `busyTimeout` is how long an operation waits for a store another
    // program is writing, in milliseconds.
    explicit CatalogueStore(QString filePath, int busyTimeout = 5000);

    // Makes a new store with the empty table, back-zone columns included; an
    // existing file is an error.
    static void create(const QString &filePath);

    const QString &filePath() const { return m_filePath; }

    // Every row in the table's stored order, values as text.
    std::vector<CatalogueRow> readAll() const;

    // Appends one row in a transaction of its own, waiting a while for a
    // store that another program is writing. A single pool writes the four
    // first columns only; a lottery with a back zone adds the back zone's
    // columns (and 前区名称 when it names its front zone) to a catalogue that
    // lacks them, in the same transaction.
    void append(const LotteryInfo &lottery) const;

    // Appends the row unless a row of exactly that name exists, checking and
    // appending in one transaction so two programs cannot both add it.
    // Returns false (and adds nothing) when the name is present.
    bool appendIfNew(const LotteryInfo &lottery) const;

private:
    bool write(const LotteryInfo &lottery, bool onlyIfNew) const;

    QString m_filePath;
    int m_busyTimeout;
};

#include "history/ticket_store.h"

#include "base/app_error.h"
#include "base/int_text.h"
#include "catalogue/sql_connection.h"
#include "history/history_store.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <map>

namespace {

const QString kTicketTable = QStringLiteral("投注记录表");

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

std::string utf8(const QVariant &value)
{
    return value.toString().toStdString();
}

// The bets one a line, each zone's numbers in two digits, the back after " + ".
QString betsText(const std::vector<LotteryNumbers> &bets)
{
    QStringList lines;
    for (const LotteryNumbers &bet : bets) {
        std::string line = zoneText(bet.front, false);
        if (!bet.back.empty())
            line += " + " + zoneText(bet.back, false);
        lines << text(line);
    }
    return lines.join(QLatin1Char('\n'));
}

std::vector<int> numbersOf(const QString &zone)
{
    std::vector<int> numbers;
    for (const QString &part : zone.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (const auto value = parseInt(part.toStdString()))
            numbers.push_back(*value);
    }
    return numbers;
}

std::vector<LotteryNumbers> betsOf(const QString &stored)
{
    std::vector<LotteryNumbers> bets;
    for (const QString &line : stored.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList zones = line.split(QLatin1Char('+'));
        LotteryNumbers bet;
        bet.front = numbersOf(zones.value(0));
        bet.back = numbersOf(zones.value(1));
        bets.push_back(std::move(bet));
    }
    return bets;
}

void createTable(const SqlConnection &connection)
{
    QSqlQuery query(connection.database());
    connection.exec(query, QStringLiteral("create table if not exists %1 (编号 integer primary key, "
                                          "彩票名称 text not null, 期号 text not null, 购买日期 text, "
                                          "追加 integer not null default 0, 注数 integer not null, "
                                          "投入 integer not null, 投注号码 text not null)")
                               .arg(kTicketTable));
}

// Runs `work` inside one write transaction with the table in place; a
// failure rolls everything back, so a ticket is stored whole or not at all.
template<typename Work>
auto writing(const QString &filePath, int busyTimeout, Work work)
{
    requireDatabaseFile(filePath);
    SqlConnection connection(filePath, SqlConnection::ReadWrite, busyTimeout);
    connection.begin();
    try {
        createTable(connection);
        auto result = work(connection);
        connection.commit();
        return result;
    } catch (...) {
        connection.rollback();
        throw;
    }
}

} // namespace

TicketStore::TicketStore(QString filePath, int busyTimeout)
    : m_filePath(std::move(filePath))
    , m_busyTimeout(busyTimeout)
{}

StoredTicket TicketStore::priced(const Ticket &ticket, const Lottery &lottery) const
{
    StoredTicket stored;
    stored.ticket = ticket;
    stored.ticket.extra = ticket.extra && allowsExtra(ticket.lottery);
    stored.betCount = ticketBetCount(stored.ticket, lottery);
    stored.costFen
        = ticketCostFen(stored.ticket, lottery, HistoryStore(m_filePath).prizeTable(ticket.lottery));
    return stored;
}

std::int64_t TicketStore::add(const StoredTicket &stored) const
{
    return writing(m_filePath, m_busyTimeout, [&](const SqlConnection &connection) {
        QSqlQuery query(connection.database());
        query.prepare(QStringLiteral("insert into %1 (彩票名称, 期号, 购买日期, 追加, 注数, 投入, 投注号码) "
                                     "values (?, ?, ?, ?, ?, ?, ?)")
                          .arg(kTicketTable));
        const Ticket &ticket = stored.ticket;
        for (const QVariant &value :
             {QVariant(text(ticket.lottery)), QVariant(text(ticket.issue)), QVariant(text(ticket.date)),
              QVariant(ticket.extra ? 1 : 0), QVariant(qint64(stored.betCount)),
              QVariant(qint64(stored.costFen)), QVariant(betsText(ticket.bets))})
            query.addBindValue(value);
        connection.exec(query);
        return static_cast<std::int64_t>(query.lastInsertId().toLongLong());
    });
}

std::vector<StoredTicket> TicketStore::tickets(const std::string &lottery) const
{
    requireDatabaseFile(m_filePath);
    const SqlConnection connection(m_filePath, SqlConnection::ReadOnly, m_busyTimeout);
    std::vector<StoredTicket> result;
    if (!connection.hasTable(kTicketTable))
        return result;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    QString sql = QStringLiteral("select 编号, 彩票名称, 期号, 购买日期, 追加, 注数, 投入, 投注号码 from %1")
                      .arg(kTicketTable);
    if (!lottery.empty())
        sql += QStringLiteral(" where 彩票名称 = ?");
    query.prepare(sql + QStringLiteral(" order by 编号"));
    if (!lottery.empty())
        query.addBindValue(text(lottery));
    connection.exec(query);
    while (query.next()) {
        StoredTicket stored;
        stored.id = query.value(0).toLongLong();
        stored.ticket.lottery = utf8(query.value(1));
        stored.ticket.issue = utf8(query.value(2));
        stored.ticket.date = utf8(query.value(3));
        stored.ticket.extra = query.value(4).toInt() != 0;
        stored.betCount = query.value(5).toLongLong();
        stored.costFen = query.value(6).toLongLong();
        stored.ticket.bets = betsOf(query.value(7).toString());
        result.push_back(std::move(stored));
    }
    return result;
}

bool TicketStore::remove(std::int64_t id) const
{
    return writing(m_filePath, m_busyTimeout, [&](const SqlConnection &connection) {
        QSqlQuery query(connection.database());
        query.prepare(QStringLiteral("delete from %1 where 编号 = ?").arg(kTicketTable));
        query.addBindValue(QVariant(qint64(id)));
        connection.exec(query);
        return query.numRowsAffected() > 0;
    });
}

std::vector<LedgerEntry> TicketStore::ledger(const std::vector<LotteryInfo> &lotteries) const
{
    std::vector<LedgerEntry> entries;
    for (StoredTicket &stored : tickets()) {
        LedgerEntry entry;
        entry.check.lottery = stored.ticket.lottery;
        entry.check.issue = stored.ticket.issue;
        entry.check.date = stored.ticket.date;
        entry.check.extra = stored.ticket.extra;
        entry.stored = std::move(stored);
        entries.push_back(std::move(entry));
    }
    // The draws and rules of each lottery read once, however many tickets it has.
    std::map<std::string, std::vector<size_t>> byLottery;
    for (size_t i = 0; i < entries.size(); ++i)
        byLottery[entries[i].stored.ticket.lottery].push_back(i);
    const HistoryStore history(m_filePath, m_busyTimeout);
    for (const auto &[name, places] : byLottery) {
        const std::string &lotteryName = name; // a lambda may not capture a structured binding
        const auto info = std::find_if(lotteries.begin(), lotteries.end(), [&](const LotteryInfo &l) {
            return l.name.toStdString() == lotteryName;
        });
        if (info == lotteries.end())
            continue;
        const std::vector<Draw> draws = history.draws(name, drawShapeOf(name, info->lottery)).draws;
        const PrizeTable table = history.prizeTable(name);
        for (size_t place : places)
            entries[place].check = checkTicket(entries[place].stored.ticket, draws, info->lottery, table);
    }
    // What was paid is what the ticket cost when it was bought.
    for (LedgerEntry &entry : entries) {
        entry.check.betCount = entry.stored.betCount;
        entry.check.costFen = entry.stored.costFen;
    }
    return entries;
}

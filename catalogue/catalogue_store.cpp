#include "catalogue/catalogue_store.h"

#include "base/app_error.h"
#include "catalogue/sql_connection.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <optional>

namespace {

const QString kTable = QStringLiteral("彩票类型表");
const QString kName = QStringLiteral("彩票名称");
const QString kKind = QStringLiteral("彩票类型");
const QString kTotal = QStringLiteral("号码总数");
const QString kCount = QStringLiteral("号码个数");
// The back zone's columns, which older catalogues do not have.
const QString kBackName = QStringLiteral("后区名称");
const QString kBackTotal = QStringLiteral("后区总数");
const QString kBackCount = QStringLiteral("后区个数");
// The front zone's name came later still; missing or empty, it is "前区".
const QString kFrontName = QStringLiteral("前区名称");

[[noreturn]] void fail(const QString &message)
{
    throw AppError(message.toStdString());
}

[[noreturn]] void failQuery(const QString &filePath, const QSqlQuery &query)
{
    failSql(filePath, QStringLiteral("读取"), query.lastError());
}

// Every row, or nothing with the store's error in `error`.
std::optional<std::vector<CatalogueRow>> readRows(const QString &filePath, SqlConnection::Mode mode,
                                                  int busyTimeout, QSqlError &error)
{
    SqlConnection connection(filePath, mode, busyTimeout);
    std::vector<CatalogueRow> rows;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select * from ") + kTable)) {
        error = query.lastError();
        return std::nullopt;
    }
    const QSqlRecord record = query.record();
    // The back zone's three columns and the front zone's name may be
    // missing: a catalogue from before them holds single pools, or calls
    // every front zone "前区".
    constexpr int kColumns = 8;
    int columns[kColumns];
    const QString names[kColumns]
        = {kName, kKind, kTotal, kCount, kBackName, kBackTotal, kBackCount, kFrontName};
    for (int i = 0; i < kColumns; ++i) {
        columns[i] = record.indexOf(names[i]);
        if (columns[i] < 0 && i < 4)
            fail(QStringLiteral("彩票数据库“%1”的表%2缺少列“%3”。")
                     .arg(quotedText(filePath), kTable, names[i]));
    }
    const auto text = [&](int i) { return columns[i] < 0 ? QString() : query.value(columns[i]).toString(); };
    while (query.next())
        rows.push_back({text(0), text(1), text(2), text(3), text(4), text(5), text(6), text(7)});
    if (query.lastError().isValid()) {
        error = query.lastError();
        return std::nullopt;
    }
    return rows;
}

// Whether the file's header says it is kept in WAL journal mode.
bool inWalMode(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.startsWith(QByteArrayLiteral("SQLite format 3")) && header.size() == 20 && header[18] == 2
           && header[19] == 2;
}

} // namespace

CatalogueStore::CatalogueStore(QString filePath, int busyTimeout)
    : m_filePath(std::move(filePath))
    , m_busyTimeout(busyTimeout)
{}

void CatalogueStore::create(const QString &filePath)
{
    if (QFileInfo::exists(filePath))
        fail(QStringLiteral("彩票数据库“%1”已经存在。").arg(quotedText(filePath)));
    SqlConnection connection(filePath, SqlConnection::Create);
    QSqlQuery query(connection.database());
    if (!query.exec(
            QStringLiteral("create table %1 (%2 text, %3 integer, %4 integer, %5 integer, "
                           "%6 text, %7 integer, %8 integer, %9 text)")
                .arg(kTable, kName, kKind, kTotal, kCount, kBackName, kBackTotal, kBackCount, kFrontName)))
        failQuery(filePath, query);
}

std::vector<CatalogueRow> CatalogueStore::readAll() const
{
    requireDatabaseFile(m_filePath);
    QSqlError error;
    if (auto rows = readRows(m_filePath, SqlConnection::ReadOnly, m_busyTimeout, error))
        return *rows;
    // A store in WAL journal mode is read through a "-shm" index beside it,
    // which a read-only folder cannot hold, so SQLite refuses to read it at
    // all. Nobody can be writing it there: it is read as an unchanging file
    // instead, unless committed changes still wait in its "-wal" file, which
    // such a read would not see.
    const QFileInfo file(m_filePath);
    if (!inWalMode(m_filePath) || QFileInfo(file.absolutePath()).isWritable())
        failSql(m_filePath, QStringLiteral("读取"), error);
    if (QFileInfo(m_filePath + QStringLiteral("-wal")).size() > 0)
        fail(QStringLiteral("无法读取彩票数据库“%1”：它使用WAL日志模式，所在的文件夹是只读的，"
                            "而且还有更改留在“-wal”文件中。请让该文件夹可写后再打开。")
                 .arg(quotedText(m_filePath)));
    if (auto rows = readRows(m_filePath, SqlConnection::Unchanging, m_busyTimeout, error))
        return *rows;
    failSql(m_filePath, QStringLiteral("读取"), error);
}

void CatalogueStore::append(const LotteryInfo &lottery) const
{
    write(lottery, false);
}

bool CatalogueStore::appendIfNew(const LotteryInfo &lottery) const
{
    return write(lottery, true);
}

bool CatalogueStore::write(const LotteryInfo &lottery, bool onlyIfNew) const
{
    requireDatabaseFile(m_filePath);
    SqlConnection connection(m_filePath, SqlConnection::ReadWrite, m_busyTimeout);
    QSqlDatabase db = connection.database();
    QSqlQuery query(db);
    const auto failWriting = [&](const QSqlError &error) {
        query.exec(QStringLiteral("rollback"));
        failSql(m_filePath, QStringLiteral("写入"), error);
    };
    // Take the write lock first, so that the check and the append see the
    // same table even with another program adding at the same moment.
    if (!query.exec(QStringLiteral("begin immediate")))
        failWriting(query.lastError());
    if (onlyIfNew) {
        query.prepare(QStringLiteral("select 1 from %1 where %2 = ? limit 1").arg(kTable, kName));
        query.addBindValue(lottery.name);
        if (!query.exec())
            failWriting(query.lastError());
        if (query.next()) {
            query.finish();
            query.exec(QStringLiteral("rollback"));
            return false;
        }
        query.finish();
    }
    const Lottery &numbers = lottery.lottery;
    if (numbers.hasBack()) {
        // A catalogue from before back zones gets their columns now, in the
        // same transaction as the row that needs them; its rows read as
        // single pools as before.
        if (!query.exec(QStringLiteral("select * from %1 limit 0").arg(kTable)))
            failWriting(query.lastError());
        const QSqlRecord record = query.record();
        query.finish();
        const bool named = !numbers.frontName.empty();
        for (const auto &[column, type] : {std::pair(kBackName, "text"), std::pair(kBackTotal, "integer"),
                                           std::pair(kBackCount, "integer"), std::pair(kFrontName, "text")}) {
            if (column == kFrontName && !named)
                continue;
            if (record.indexOf(column) < 0
                && !query.exec(QStringLiteral("alter table %1 add column %2 %3")
                                   .arg(kTable, column, QLatin1String(type))))
                failWriting(query.lastError());
        }
        query.prepare(
            QStringLiteral("insert into %1 (%2, %3, %4, %5, %6, %7, %8%9) values (?, ?, ?, ?, ?, ?, ?%10)")
                .arg(kTable, kName, kKind, kTotal, kCount, kBackName, kBackTotal, kBackCount,
                     named ? QStringLiteral(", ") + kFrontName : QString(),
                     named ? QStringLiteral(", ?") : QString()));
    } else {
        query.prepare(QStringLiteral("insert into %1 (%2, %3, %4, %5) values (?, ?, ?, ?)")
                          .arg(kTable, kName, kKind, kTotal, kCount));
    }
    query.addBindValue(lottery.name);
    query.addBindValue(numbers.kind);
    query.addBindValue(numbers.total);
    query.addBindValue(numbers.count);
    if (numbers.hasBack()) {
        query.addBindValue(QString::fromStdString(numbers.backName));
        query.addBindValue(numbers.backTotal);
        query.addBindValue(numbers.backCount);
        if (!numbers.frontName.empty())
            query.addBindValue(QString::fromStdString(numbers.frontName));
    }
    if (!query.exec())
        failWriting(query.lastError());
    if (!query.exec(QStringLiteral("commit")))
        failWriting(query.lastError());
    return true;
}

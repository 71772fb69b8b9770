#include "catalogue/catalogue_store.h"

#include "base/app_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QVariant>

#include <atomic>
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

[[noreturn]] void fail(const QString &message)
{
    throw AppError(message.toStdString());
}

// What SQLite reported, told as a sentence of the program's own; SQLite's
// own words follow in brackets. `doing` is what the program tried: 打开,
// 读取 or 写入.
[[noreturn]] void failWith(const QString &filePath, const QString &doing, const QSqlError &error)
{
    QString reason;
    // Extended result codes carry the primary code in their low byte.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        reason = QStringLiteral("它正被另一个程序使用，请稍后再试");
        break;
    case 3:  // SQLITE_PERM
    case 23: // SQLITE_AUTH
        reason = QStringLiteral("没有访问它的权限");
        break;
    case 8: // SQLITE_READONLY
        reason = QStringLiteral("它是只读的");
        break;
    case 10: // SQLITE_IOERR
        reason = QStringLiteral("磁盘读写出错");
        break;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        reason = QStringLiteral("文件已损坏，或不是彩票数据库");
        break;
    case 13: // SQLITE_FULL
        reason = QStringLiteral("磁盘已满");
        break;
    case 14: // SQLITE_CANTOPEN
        reason = QStringLiteral("文件打不开");
        break;
    default:
        break;
    }
    QString words = error.databaseText().trimmed();
    if (words.isEmpty())
        words = error.driverText().trimmed();
    QString message = QStringLiteral("无法%1彩票数据库“%2”").arg(doing, quotedText(filePath));
    if (!reason.isEmpty())
        message += QStringLiteral("：") + reason;
    if (!words.isEmpty())
        message += QStringLiteral("（") + quotedText(words) + QStringLiteral("）");
    fail(message + QStringLiteral("。"));
}

// One connection for the length of one operation. SQLite is opened through a
// URI so that a missing file is never created empty behind the player's back.
class Connection
{
public:
    // Unchanging: read without locks and without the WAL index.
    enum Mode { ReadOnly, Unchanging, ReadWrite, Create };

    Connection(const QString &filePath, Mode mode, int busyTimeout = 5000)
        : m_name(QStringLiteral("korvel-catalogue-%1").arg(nextId()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        const char *modeText = mode == ReadOnly     ? "ro"
                               : mode == Unchanging ? "ro&immutable=1"
                               : mode == ReadWrite  ? "rw"
                                                    : "rwc";
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath())
                               .toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=") + QLatin1String(modeText));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            failWith(filePath, QStringLiteral("打开"), error);
        }
    }

    ~Connection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    static int nextId()
    {
        static std::atomic<int> id{0};
        return ++id;
    }

    QString m_name;
};

void requireFile(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        fail(QStringLiteral("找不到彩票数据库文件“%1”。").arg(quotedText(filePath)));
    if (!info.isFile())
        fail(QStringLiteral("彩票数据库“%1”不是一个文件。").arg(quotedText(filePath)));
}

[[noreturn]] void failQuery(const QString &filePath, const QSqlQuery &query)
{
    failWith(filePath, QStringLiteral("读取"), query.lastError());
}

// Every row, or nothing with the store's error in `error`.
std::optional<std::vector<CatalogueRow>> readRows(const QString &filePath, Connection::Mode mode,
                                                  int busyTimeout, QSqlError &error)
{
    Connection connection(filePath, mode, busyTimeout);
    std::vector<CatalogueRow> rows;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select * from ") + kTable)) {
        error = query.lastError();
        return std::nullopt;
    }
    const QSqlRecord record = query.record();
    // The back zone's three columns may be missing: a catalogue from before
    // them holds single pools.
    int columns[7];
    const QString names[7] = {kName, kKind, kTotal, kCount, kBackName, kBackTotal, kBackCount};
    for (int i = 0; i < 7; ++i) {
        columns[i] = record.indexOf(names[i]);
        if (columns[i] < 0 && i < 4)
            fail(QStringLiteral("彩票数据库“%1”的表%2缺少列“%3”。")
                     .arg(quotedText(filePath), kTable, names[i]));
    }
    const auto text = [&](int i) { return columns[i] < 0 ? QString() : query.value(columns[i]).toString(); };
    while (query.next())
        rows.push_back({text(0), text(1), text(2), text(3), text(4), text(5), text(6)});
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
    return header.startsWith(QByteArrayLiteral("SQLite format 3")) && header.size() == 20
           && header[18] == 2 && header[19] == 2;
}

} // namespace

CatalogueStore::CatalogueStore(QString filePath, int busyTimeout)
    : m_filePath(std::move(filePath))
    , m_busyTimeout(busyTimeout)
{
}

void CatalogueStore::create(const QString &filePath)
{
    if (QFileInfo::exists(filePath))
        fail(QStringLiteral("彩票数据库“%1”已经存在。").arg(quotedText(filePath)));
    Connection connection(filePath, Connection::Create);
    QSqlQuery query(connection.database());
    if (!query.exec(QStringLiteral("create table %1 (%2 text, %3 integer, %4 integer, %5 integer, "
                                   "%6 text, %7 integer, %8 integer)")
                        .arg(kTable, kName, kKind, kTotal, kCount, kBackName, kBackTotal, kBackCount)))
        failQuery(filePath, query);
}

std::vector<CatalogueRow> CatalogueStore::readAll() const
{
    requireFile(m_filePath);
    QSqlError error;
    if (auto rows = readRows(m_filePath, Connection::ReadOnly, m_busyTimeout, error))
        return *rows;
    // A store in WAL journal mode is read through a "-shm" index beside it,
    // which a read-only folder cannot hold, so SQLite refuses to read it at
    // all. Nobody can be writing it there: it is read as an unchanging file
    // instead, unless committed changes still wait in its "-wal" file, which
    // such a read would not see.
    const QFileInfo file(m_filePath);
    if (!inWalMode(m_filePath) || QFileInfo(file.absolutePath()).isWritable())
        failWith(m_filePath, QStringLiteral("读取"), error);
    if (QFileInfo(m_filePath + QStringLiteral("-wal")).size() > 0)
        fail(QStringLiteral("无法读取彩票数据库“%1”：它使用WAL日志模式，所在的文件夹是只读的，"
                            "而且还有更改留在“-wal”文件中。请让该文件夹可写后再打开。")
                 .arg(quotedText(m_filePath)));
    if (auto rows = readRows(m_filePath, Connection::Unchanging, m_busyTimeout, error))
        return *rows;
    failWith(m_filePath, QStringLiteral("读取"), error);
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
    requireFile(m_filePath);
    Connection connection(m_filePath, Connection::ReadWrite, m_busyTimeout);
    QSqlDatabase db = connection.database();
    QSqlQuery query(db);
    const auto failWriting = [&](const QSqlError &error) {
        query.exec(QStringLiteral("rollback"));
        failWith(m_filePath, QStringLiteral("写入"), error);
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
        for (const auto &[column, type] : {std::pair(kBackName, "text"), std::pair(kBackTotal, "integer"),
                                           std::pair(kBackCount, "integer")}) {
            if (record.indexOf(column) < 0
                && !query.exec(QStringLiteral("alter table %1 add column %2 %3")
                                   .arg(kTable, column, QLatin1String(type))))
                failWriting(query.lastError());
        }
        query.prepare(QStringLiteral("insert into %1 (%2, %3, %4, %5, %6, %7, %8) values (?, ?, ?, ?, ?, ?, ?)")
                          .arg(kTable, kName, kKind, kTotal, kCount, kBackName, kBackTotal, kBackCount));
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
    }
    if (!query.exec())
        failWriting(query.lastError());
    if (!query.exec(QStringLiteral("commit")))
        failWriting(query.lastError());
    return true;
}

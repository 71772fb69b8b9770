#include "catalogue/sql_connection.h"

#include "base/app_error.h"
#include "catalogue/lottery_info.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <atomic>

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw AppError(message.toStdString());
}

QString uniqueName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("korvel-sql-%1").arg(++next);
}

} // namespace

void failSql(const QString &filePath, const QString &doing, const QSqlError &error)
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

void requireDatabaseFile(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        fail(QStringLiteral("找不到彩票数据库文件“%1”。").arg(quotedText(filePath)));
    if (!info.isFile())
        fail(QStringLiteral("彩票数据库“%1”不是一个文件。").arg(quotedText(filePath)));
}

SqlConnection::SqlConnection(const QString &filePath, Mode mode, int busyTimeout)
    : m_name(uniqueName())
    , m_filePath(filePath)
    , m_writes(mode == ReadWrite || mode == Create)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    const char *modeText = mode == ReadOnly     ? "ro"
                           : mode == Unchanging ? "ro&immutable=1"
                           : mode == ReadWrite  ? "rw"
                                                : "rwc";
    db.setDatabaseName(
        QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QStringLiteral("?mode=") + QLatin1String(modeText));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        failSql(filePath, QStringLiteral("打开"), error);
    }
}

SqlConnection::~SqlConnection()
{
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool SqlConnection::hasTable(const QString &table) const
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("select 1 from sqlite_master where type = 'table' and name = ?"));
    query.addBindValue(table);
    exec(query);
    return query.next();
}

void SqlConnection::exec(QSqlQuery &query, const QString &sql) const
{
    if (!(sql.isEmpty() ? query.exec() : query.exec(sql)))
        fail(query.lastError());
}

void SqlConnection::begin() const
{
    QSqlQuery query(database());
    exec(query, QStringLiteral("begin immediate"));
}

void SqlConnection::commit() const
{
    QSqlQuery query(database());
    exec(query, QStringLiteral("commit"));
}

void SqlConnection::rollback() const
{
    QSqlQuery query(database());
    query.exec(QStringLiteral("rollback"));
}

void SqlConnection::fail(const QSqlError &error) const
{
    failSql(m_filePath, m_writes ? QStringLiteral("写入") : QStringLiteral("读取"), error);
}

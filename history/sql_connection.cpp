#include "history/sql_connection.h"

#include "base/app_error.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <atomic>

namespace {

[[noreturn]] void failWith(const QString &message)
{
    throw AppError(message.toStdString());
}

QString uniqueName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("korvel-history-%1").arg(++next);
}

} // namespace

SqlConnection::SqlConnection(const QString &filePath, bool writable, int busyTimeout)
    : m_name(uniqueName())
    , m_filePath(filePath)
    , m_writable(writable)
{
    const QFileInfo info(filePath);
    if (!info.isFile())
        failWith(QStringLiteral("找不到彩票数据库文件“%1”。").arg(filePath));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)
                       + (writable ? QStringLiteral("?mode=rw") : QStringLiteral("?mode=ro")));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
    if (!db.open()) {
        const QString message
            = QStringLiteral("无法打开彩票数据库“%1”：%2").arg(filePath, db.lastError().text());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        failWith(message);
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
        fail(query);
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

void SqlConnection::fail(const QSqlQuery &query) const
{
    const QString text = query.lastError().text();
    failWith((m_writable ? QStringLiteral("无法写入彩票数据库“%1”：%2")
                         : QStringLiteral("无法读取彩票数据库“%1”：%2"))
                 .arg(m_filePath, text));
}

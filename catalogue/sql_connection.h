#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlError;
class QSqlQuery;

// What SQLite reported, told as a sentence of the program's own; SQLite's
// own words follow in brackets. `doing` is what the program tried: 打开,
// 读取 or 写入. Throws AppError.
[[noreturn]] void failSql(const QString &filePath, const QString &doing, const QSqlError &error);

// Throws AppError unless `filePath` names an existing file.
void requireDatabaseFile(const QString &filePath);

// One connection to the catalogue database for the length of one operation,
// closed and removed when it goes. SQLite is opened through a URI so that a
// missing file is never created empty behind the player's back.
class SqlConnection
{
public:
    // Unchanging: read without locks and without the WAL index.
    enum Mode { ReadOnly, Unchanging, ReadWrite, Create };

    SqlConnection(const QString &filePath, Mode mode, int busyTimeout = 5000);
    ~SqlConnection();
    SqlConnection(const SqlConnection &) = delete;
    SqlConnection &operator=(const SqlConnection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    const QString &filePath() const { return m_filePath; }

    bool hasTable(const QString &table) const;

    // Runs `sql`, or the prepared query when `sql` is empty; a failure throws
    // AppError "无法读取/写入彩票数据库…", as the connection reads or writes.
    void exec(QSqlQuery &query, const QString &sql = {}) const;

    // Takes the write lock at once, so that what an operation reads stays
    // true until it commits.
    void begin() const;
    void commit() const;
    void rollback() const;

    [[noreturn]] void fail(const QSqlError &error) const;

private:
    QString m_name;
    QString m_filePath;
    bool m_writes;
};

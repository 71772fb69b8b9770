#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlQuery;

// One connection to the catalogue database for the length of one operation,
// closed and removed when it goes. The file is opened through a URI, so a
// missing file is an error and never created empty behind the player's back.
class SqlConnection
{
public:
    SqlConnection(const QString &filePath, bool writable, int busyTimeout);
    ~SqlConnection();
    SqlConnection(const SqlConnection &) = delete;
    SqlConnection &operator=(const SqlConnection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    const QString &filePath() const { return m_filePath; }

    bool hasTable(const QString &table) const;

    // Runs `sql`, throwing AppError "无法读取/写入彩票数据库…" when it fails.
    void exec(QSqlQuery &query, const QString &sql = {}) const;

    // Takes the write lock at once, so that what an operation reads stays
    // true until it commits.
    void begin() const;
    void commit() const;
    void rollback() const;

    [[noreturn]] void fail(const QSqlQuery &query) const;

private:
    QString m_name;
    QString m_filePath;
    bool m_writable;
};

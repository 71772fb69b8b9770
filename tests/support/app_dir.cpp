#include "app_dir.h"

#include "catalogue/catalogue_store.h"
#include "ui/file_edge.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

TestAppDir::TestAppDir()
    : m_dir(std::make_unique<QTemporaryDir>())
{
    const QDir source(QStringLiteral(KORVEL_DIST_DIR));
    QDirIterator it(source.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = source.relativeFilePath(info.filePath());
        // Program files are left out; a test that needs one makes its own.
        if (relative == QStringLiteral("korvel") || relative == QStringLiteral("软件演示")
            || relative.startsWith(QStringLiteral("guanggao")))
            continue;
        const QString target = path() + relative;
        if (info.isDir())
            QDir().mkpath(target);
        else
            QFile::copy(info.filePath(), target);
    }
}

QString TestAppDir::path() const
{
    return m_dir->path() + QLatin1Char('/');
}

QString TestAppDir::cataloguePath() const
{
    return qPath(folder().catalogue());
}

ProgramFolder TestAppDir::folder() const
{
    return programFolder(path());
}

void TestAppDir::writeCatalogue(const std::vector<std::array<QString, 4>> &rows) const
{
    QFile::remove(cataloguePath());
    CatalogueStore::create(cataloguePath());
    // Written with plain SQL so that rows the program would refuse can be
    // stored as well.
    const QString connection = QStringLiteral("test-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(cataloguePath());
        ASSERT_TRUE(db.open());
        for (const auto &row : rows) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral(
                "insert into 彩票类型表 (彩票名称, 彩票类型, 号码总数, 号码个数) values (?, ?, ?, ?)"));
            for (const QString &value : row)
                query.addBindValue(value);
            ASSERT_TRUE(query.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

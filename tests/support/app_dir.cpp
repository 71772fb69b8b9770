#include "app_dir.h"

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

namespace {

// Written with plain SQL so that rows the program would refuse can be
// stored as well.
void writeRows(const QString &path, const QString &columns, const std::vector<QStringList> &rows)
{
    QFile::remove(path);
    const QString connection = QStringLiteral("test-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery create(db);
        ASSERT_TRUE(create.exec(QStringLiteral("create table 彩票类型表 (%1)").arg(columns)));
        for (const QStringList &row : rows) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("insert into 彩票类型表 values (%1)")
                              .arg(QStringList(row.size(), QStringLiteral("?")).join(u',')));
            for (const QString &value : row)
                query.addBindValue(value);
            ASSERT_TRUE(query.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

template<size_t N>
std::vector<QStringList> lists(const std::vector<std::array<QString, N>> &rows)
{
    std::vector<QStringList> result;
    for (const auto &row : rows)
        result.emplace_back(row.begin(), row.end());
    return result;
}

} // namespace

void TestAppDir::writeCatalogue(const std::vector<std::array<QString, 4>> &rows) const
{
    writeRows(cataloguePath(),
              QStringLiteral("彩票名称 text, 彩票类型 integer, 号码总数 integer, 号码个数 integer"),
              lists(rows));
}

void TestAppDir::writeTwoZoneCatalogue(const std::vector<std::array<QString, 7>> &rows) const
{
    writeRows(cataloguePath(),
              QStringLiteral("彩票名称 text, 彩票类型 integer, 号码总数 integer, 号码个数 integer, "
                             "后区名称 text, 后区总数 integer, 后区个数 integer"),
              lists(rows));
}

void TestAppDir::writeSinglePoolCatalogue() const
{
    std::vector<std::array<QString, 4>> rows;
    for (const char *line :
         {"双色球,0,33,6", "大乐透,0,35,5", "七乐彩,0,30,7", "快乐8,0,80,10", "22选5,0,22,5", "福彩3D,1,10,3",
          "排列三,1,10,3", "排列五,1,10,5", "七星彩,1,10,7"}) {
        const QStringList fields = QString::fromUtf8(line).split(u',');
        rows.push_back({fields[0], fields[1], fields[2], fields[3]});
    }
    writeCatalogue(rows);
}

#include "../support/app_dir.h"
#include "base/app_error.h"
#include "catalogue/catalogue_store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "../support/error_of.h"

#include <gtest/gtest.h>

#include <thread>

namespace {


QStringList names(const std::vector<CatalogueRow> &rows)
{
    QStringList result;
    for (const CatalogueRow &row : rows)
        result << row.name;
    return result;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

TEST(CatalogueStore, ShippedCatalogueListsKnownLotteriesInOrder)
{
    TestAppDir dir;
    const auto rows = CatalogueStore(dir.cataloguePath()).readAll();
    ASSERT_GE(rows.size(), 8u);
    EXPECT_EQ(rows[0].name, QStringLiteral("双色球"));
    EXPECT_EQ(rows[0].kind, QStringLiteral("0"));
    EXPECT_EQ(rows[0].total, QStringLiteral("33"));
    EXPECT_EQ(rows[0].count, QStringLiteral("6"));
    EXPECT_TRUE(names(rows).contains(QStringLiteral("福彩3D")));
    for (const CatalogueRow &row : rows)
        EXPECT_FALSE(lotteryProblem(lotteryFromRow(row)).has_value()) << row.name.toStdString();
}

TEST(CatalogueStore, AppendedRowsComeLastAndNamesAreStoredLiterally)
{
    TestAppDir dir;
    const CatalogueStore store(dir.cataloguePath());
    const auto before = store.readAll();
    const QString hostile = QStringLiteral("x'); drop table 彩票类型表; --");
    store.append({hostile, 1, 10, 4});
    store.append({QStringLiteral("双色球"), 0, 33, 6});
    const auto after = store.readAll();
    ASSERT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(after[before.size()].name, hostile);
    EXPECT_EQ(after[before.size()].kind, QStringLiteral("1"));
    EXPECT_EQ(after[before.size()].total, QStringLiteral("10"));
    EXPECT_EQ(after[before.size()].count, QStringLiteral("4"));
    EXPECT_EQ(after.back().name, QStringLiteral("双色球"));
}

TEST(CatalogueStore, RepeatedReadsGiveTheSameRowsAndLeaveNoConnection)
{
    TestAppDir dir;
    const CatalogueStore store(dir.cataloguePath());
    const auto first = store.readAll();
    const auto second = store.readAll();
    EXPECT_EQ(names(first), names(second));
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
}

TEST(CatalogueStore, MissingFileIsAnErrorAndIsNotCreated)
{
    TestAppDir dir;
    QFile::remove(dir.cataloguePath());
    const std::string message = errorOf([&] { CatalogueStore(dir.cataloguePath()).readAll(); });
    EXPECT_NE(message.find("找不到彩票数据库文件"), std::string::npos) << message;
    EXPECT_FALSE(QFile::exists(dir.cataloguePath()));
    EXPECT_NE(errorOf([&] { CatalogueStore(dir.cataloguePath()).append({QStringLiteral("a"), 0, 9, 1}); }),
              "no error");
    EXPECT_FALSE(QFile::exists(dir.cataloguePath()));
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
}

TEST(CatalogueStore, BrokenFilesGiveClearMessages)
{
    TestAppDir dir;
    const CatalogueStore store(dir.cataloguePath());

    writeBytes(dir.cataloguePath(), QByteArray(4096, '\x5a'));
    std::string message = errorOf([&] { store.readAll(); });
    EXPECT_NE(message.find("无法读取彩票数据库"), std::string::npos) << message;

    writeBytes(dir.cataloguePath(), {});
    message = errorOf([&] { store.readAll(); });
    EXPECT_NE(message.find("彩票类型表"), std::string::npos) << message; // no such table

    QFile::remove(dir.cataloguePath());
    {
        const QString name = QStringLiteral("other-table");
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(dir.cataloguePath());
        ASSERT_TRUE(db.open());
        db.exec(QStringLiteral("create table 彩票类型表 (彩票名称 text, 彩票类型 integer, 号码总数 integer)"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    message = errorOf([&] { store.readAll(); });
    EXPECT_NE(message.find("缺少列“号码个数”"), std::string::npos) << message;
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
}

TEST(CatalogueStore, ReadOnlyFileCanStillBeRead)
{
    TestAppDir dir;
    QFile::setPermissions(dir.cataloguePath(), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    EXPECT_FALSE(CatalogueStore(dir.cataloguePath()).readAll().empty());
}

TEST(CatalogueStore, CreateRefusesToOverwrite)
{
    TestAppDir dir;
    EXPECT_NE(errorOf([&] { CatalogueStore::create(dir.cataloguePath()); }), "no error");
    EXPECT_FALSE(CatalogueStore(dir.cataloguePath()).readAll().empty());
}

TEST(CatalogueStore, AppendIfNewChecksTheExactName)
{
    TestAppDir dir;
    const CatalogueStore store(dir.cataloguePath());
    EXPECT_FALSE(store.appendIfNew({QStringLiteral("双色球"), 0, 33, 6}));
    EXPECT_TRUE(store.appendIfNew({QStringLiteral("双色球 "), 0, 33, 6}));
    EXPECT_FALSE(store.appendIfNew({QStringLiteral("双色球 "), 1, 10, 3}));
    EXPECT_EQ(store.readAll().size(), 10u);
}

TEST(CatalogueStore, TwoWritersAtOnceLoseNoRow)
{
    TestAppDir dir;
    const auto writer = [&](const QString &prefix) {
        const CatalogueStore store(dir.cataloguePath());
        for (int i = 0; i < 25; ++i)
            store.append({prefix + QString::number(i), 0, 33, 6});
    };
    std::thread first(writer, QStringLiteral("甲"));
    std::thread second(writer, QStringLiteral("乙"));
    first.join();
    second.join();
    const auto rows = CatalogueStore(dir.cataloguePath()).readAll();
    EXPECT_EQ(rows.size(), 9u + 50u);
    QStringList all = names(rows);
    all.removeDuplicates();
    EXPECT_EQ(all.size(), 59);
}

TEST(CatalogueStore, StoreLockedPastTheTimeoutIsAClearError)
{
    TestAppDir dir;
    const QString holder = QStringLiteral("lock-holder");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
        db.setDatabaseName(dir.cataloguePath());
        ASSERT_TRUE(db.open());
        QSqlQuery lock(db);
        ASSERT_TRUE(lock.exec(QStringLiteral("begin exclusive")));
        const CatalogueStore store(dir.cataloguePath(), 200);
        const std::string message = errorOf([&] { store.append({QStringLiteral("新"), 0, 33, 6}); });
        EXPECT_NE(message.find("无法"), std::string::npos) << message;
        lock.exec(QStringLiteral("rollback"));
        db.close();
    }
    QSqlDatabase::removeDatabase(holder);
    EXPECT_EQ(CatalogueStore(dir.cataloguePath()).readAll().size(), 9u);
}

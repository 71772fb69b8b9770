#include "../support/app_dir.h"
#include "base/app_error.h"
#include "catalogue/catalogue_store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "../support/error_of.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <grp.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

// What `read` returns when run by a user who may not write where root may:
// as "nobody" in a child process when the tests run as root, else here.
std::string asUnprivileged(const std::function<std::string()> &read)
{
    if (geteuid() != 0)
        return read();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        const std::string result = dropped ? read() : "cannot leave root";
        ssize_t written = write(pipeEnds[1], result.data(), result.size());
        _exit(written < 0 ? 1 : 0);
    }
    close(pipeEnds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return result;
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
    store.append({hostile, {1, 10, 4}});
    store.append({QStringLiteral("双色球"), {0, 33, 6}});
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
    EXPECT_NE(errorOf([&] {
                  CatalogueStore(dir.cataloguePath()).append({QStringLiteral("a"), {0, 9, 1}});
              }),
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
        db.exec(
            QStringLiteral("create table 彩票类型表 (彩票名称 text, 彩票类型 integer, 号码总数 integer)"));
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
    EXPECT_FALSE(store.appendIfNew({QStringLiteral("双色球"), {0, 33, 6}}));
    EXPECT_TRUE(store.appendIfNew({QStringLiteral("双色球 "), {0, 33, 6}}));
    EXPECT_FALSE(store.appendIfNew({QStringLiteral("双色球 "), {1, 10, 3}}));
    EXPECT_EQ(store.readAll().size(), 10u);
}

TEST(CatalogueStore, TwoWritersAtOnceLoseNoRow)
{
    TestAppDir dir;
    const auto writer = [&](const QString &prefix) {
        const CatalogueStore store(dir.cataloguePath());
        for (int i = 0; i < 25; ++i)
            store.append({prefix + QString::number(i), {0, 33, 6}});
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
        const std::string message = errorOf([&] { store.append({QStringLiteral("新"), {0, 33, 6}}); });
        EXPECT_NE(message.find("无法"), std::string::npos) << message;
        lock.exec(QStringLiteral("rollback"));
        db.close();
    }
    QSqlDatabase::removeDatabase(holder);
    EXPECT_EQ(CatalogueStore(dir.cataloguePath()).readAll().size(), 9u);
}

// A catalogue in WAL journal mode, in a folder the player may not write:
// SQLite cannot make the index it reads such a store through.
TEST(CatalogueStore, WalCatalogueInAReadOnlyFolderIsReadOrRefusedClearly)
{
    namespace fs = std::filesystem;
    TestAppDir dir;
    char pattern[] = "/tmp/korvel-wal-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path folder = pattern;
    const fs::path settled = folder / "settled", pending = folder / "pending";
    fs::create_directories(settled);
    fs::create_directories(pending);
    const QString path = dir.cataloguePath();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("wal"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("pragma journal_mode=wal")));
        ASSERT_TRUE(query.exec(QStringLiteral("pragma wal_autocheckpoint=0")));
        fs::copy_file(path.toStdString(), settled / "彩票数据.mdb");
        // A row committed to the WAL file only, copied before it is settled.
        ASSERT_TRUE(query.exec(QStringLiteral(
            "insert into 彩票类型表 (彩票名称, 彩票类型, 号码总数, 号码个数) values ('新', 0, 33, 6)")));
        fs::copy_file(path.toStdString(), pending / "彩票数据.mdb");
        fs::copy_file(path.toStdString() + "-wal", pending / "彩票数据.mdb-wal");
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("wal"));
    for (const fs::path &where : {folder, settled, pending}) {
        for (const auto &entry : fs::directory_iterator(where))
            fs::permissions(entry.path(),
                            fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(where, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                   | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    }
    const auto readIn = [](const fs::path &where) {
        return asUnprivileged([where] {
            try {
                const CatalogueStore store(QString::fromStdString((where / "彩票数据.mdb").string()));
                return names(store.readAll()).join(u',').toStdString();
            } catch (const AppError &error) {
                return std::string(error.what());
            }
        });
    };
    const std::string settledRows = readIn(settled);
    const std::string pendingRows = readIn(pending);
    for (const fs::path &where : {folder, settled, pending})
        fs::permissions(where, fs::perms::owner_all);
    fs::remove_all(folder);

    EXPECT_EQ(settledRows.rfind("双色球,", 0), 0u) << settledRows;
    EXPECT_NE(pendingRows.find("WAL日志模式"), std::string::npos) << pendingRows;
}

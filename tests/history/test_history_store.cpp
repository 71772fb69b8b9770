// The draw and prize tables in the catalogue database.
#include "../support/app_dir.h"
#include "../support/error_of.h"
#include "catalogue/catalogue_store.h"
#include "history/history_store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

const DrawShape kSsq = drawShapeOf("双色球", {0, 33, 6, "蓝球", 16, 1});

const std::string kThreeDraws = "期号 开奖日期 开奖号码\n"
                                "2026014 2026-02-01 03 09 14 20 27 33 + 07\n"
                                "2026015 2026-02-03 01 02 03 04 05 06 + 08\n"
                                "2026016 2026-02-05 11 12 13 14 15 16 + 09\n";

// Runs SQL on the catalogue behind the program's back.
void execute(const QString &path, const QString &sql)
{
    const QString name = QStringLiteral("test-sql");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(name);
}

std::vector<PrizeRuleRow> shippedRows(const std::string &lottery)
{
    std::vector<PrizeRuleRow> rows;
    for (const PrizeRuleRow &row : shippedPrizeRules()) {
        if (row.lottery == lottery)
            rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> issues(const std::vector<Draw> &draws)
{
    std::vector<std::string> result;
    for (const Draw &draw : draws)
        result.push_back(draw.issue);
    return result;
}

} // namespace

TEST(HistoryStore, ShippedCatalogueHoldsTheShippedRulesAndNoDraws)
{
    TestAppDir dir;
    const HistoryStore store(dir.cataloguePath());
    for (const std::string lottery :
         {"双色球", "大乐透", "七乐彩", "快乐8", "22选5", "福彩3D", "排列三", "排列五", "七星彩"}) {
        EXPECT_FALSE(shippedRows(lottery).empty()) << lottery;
        EXPECT_EQ(store.prizeRules(lottery), shippedRows(lottery)) << lottery;
        EXPECT_FALSE(store.prizeTable(lottery).empty()) << lottery;
    }
    EXPECT_TRUE(store.prizeTable("自选彩票").empty());
    EXPECT_TRUE(store.draws("双色球", kSsq).draws.empty());
}

TEST(HistoryStore, OlderCatalogueGetsBothTablesOnFirstWriteAndKeepsItsLotteries)
{
    TestAppDir dir;
    dir.writeCatalogue(
        {{QStringLiteral("我的彩票"), QStringLiteral("0"), QStringLiteral("20"), QStringLiteral("5")},
         {QStringLiteral("双色球"), QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("6")}});
    const HistoryStore store(dir.cataloguePath());
    // Reading writes nothing: no draws, the shipped rules.
    EXPECT_TRUE(store.draws("双色球", kSsq).draws.empty());
    EXPECT_FALSE(store.prizeTable("大乐透").empty());
    EXPECT_EQ(store.importDraws("双色球", kSsq, kThreeDraws).added.size(), 3u);

    const auto rows = CatalogueStore(dir.cataloguePath()).readAll();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, QStringLiteral("我的彩票"));
    EXPECT_EQ(rows[1].count, QStringLiteral("6"));
    EXPECT_EQ(issues(store.draws("双色球", kSsq).draws),
              (std::vector<std::string>{"2026014", "2026015", "2026016"}));
    // The prize table now stands in the file, filled with the shipped rules.
    execute(dir.cataloguePath(), QStringLiteral("update 奖级表 set 奖级 = '头奖' where 奖级 = '选十中十'"));
    std::vector<PrizeRuleRow> expected = shippedRows("快乐8");
    for (PrizeRuleRow &row : expected)
        row.level = row.level == "选十中十" ? "头奖" : row.level;
    EXPECT_EQ(store.prizeRules("快乐8"), expected);
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
}

TEST(HistoryStore, ImportSkipsWhatIsStoredAndNeverOverwrites)
{
    TestAppDir dir;
    const HistoryStore store(dir.cataloguePath());
    store.importDraws("双色球", kSsq, kThreeDraws);
    const ImportPlan again = store.importDraws("双色球", kSsq,
                                               "2026016 11 12 13 14 15 16 09\n"
                                               "2026015 01 02 03 04 05 07 08\n"
                                               "2026017 01 02 03 04 05 07 08\n");
    EXPECT_EQ(again.added.size(), 1u);
    EXPECT_EQ(again.skipped, 1);
    ASSERT_EQ(again.problems.size(), 1u);
    EXPECT_EQ(again.problems[0].line, 2);
    const auto stored = store.draws("双色球", kSsq).draws;
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[1].front, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(stored[1].date, "2026-02-03");
    // Another lottery's draws are its own.
    EXPECT_TRUE(store.draws("大乐透", drawShapeOf("大乐透", {0, 35, 5, "后区", 12, 2})).draws.empty());
}

TEST(HistoryStore, FailedImportStoresNothing)
{
    TestAppDir dir;
    const HistoryStore store(dir.cataloguePath());
    store.importDraws("双色球", kSsq, "2026001 01 02 03 04 05 06 07\n");
    execute(dir.cataloguePath(),
            QStringLiteral("create trigger refuse before insert on 开奖号码表 "
                           "when new.期号 = '2026016' begin select raise(abort, 'refused'); end"));
    const std::string message = errorOf([&] { store.importDraws("双色球", kSsq, kThreeDraws); });
    // A sentence of the program's own; SQLite's words only in brackets.
    EXPECT_EQ(message.rfind("无法写入彩票数据库", 0), 0u) << message;
    EXPECT_NE(message.find("（refused）。"), std::string::npos) << message;
    EXPECT_EQ(issues(store.draws("双色球", kSsq).draws), std::vector<std::string>{"2026001"});
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
}

TEST(HistoryStore, TypedDrawsAddAndDelete)
{
    TestAppDir dir;
    const HistoryStore store(dir.cataloguePath());
    const Draw draw{{{3, 9, 14, 20, 27, 33}, {7}, std::nullopt}, "双色球", "2026014", ""};
    EXPECT_EQ(store.addDraw(draw), std::nullopt);
    Draw other = draw;
    other.issue = "26014";
    other.front[0] = 1;
    EXPECT_EQ(store.addDraw(other), Refusal{"期号26014已经存在，未添加。"});
    EXPECT_EQ(store.draws("双色球", kSsq).draws, std::vector<Draw>{draw});
    EXPECT_TRUE(store.deleteDraw("双色球", "2026014"));
    EXPECT_FALSE(store.deleteDraw("双色球", "2026014"));
    EXPECT_TRUE(store.draws("双色球", kSsq).draws.empty());
}

TEST(HistoryStore, RowsThatNoLongerFitTheLotteryAreCountedNotShown)
{
    TestAppDir dir;
    const HistoryStore store(dir.cataloguePath());
    // 七星彩 stored as seven digits, then read as six digits and a back digit.
    store.importDraws("七星彩", drawShapeOf("七星彩", {1, 10, 7}), "20099 3099516\n20100 3 0 9 9 5 1 6\n");
    execute(dir.cataloguePath(),
            QStringLiteral("insert into 开奖号码表 values ('七星彩', '20101', '', 'x', '', null)"));
    const auto read = store.draws("七星彩", drawShapeOf("七星彩", {1, 10, 6, "后区", 15, 1}));
    EXPECT_TRUE(read.draws.empty());
    EXPECT_EQ(read.unfit, 3);
    EXPECT_EQ(store.draws("七星彩", drawShapeOf("七星彩", {1, 10, 7})).draws.size(), 2u);
}

TEST(HistoryStore, ReadingNeverWritesAndAMissingCatalogueIsNotCreated)
{
    TestAppDir dir;
    dir.writeCatalogue(
        {{QStringLiteral("双色球"), QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("6")}});
    const auto bytes = [&] {
        QFile file(dir.cataloguePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    const HistoryStore store(dir.cataloguePath());
    EXPECT_TRUE(store.draws("双色球", kSsq).draws.empty());
    EXPECT_FALSE(store.prizeTable("双色球").empty());
    EXPECT_EQ(bytes(), before);

    QFile::remove(dir.cataloguePath());
    EXPECT_NE(errorOf([&] { store.draws("双色球", kSsq); }).find("找不到彩票数据库文件"), std::string::npos);
    EXPECT_NE(errorOf([&] { store.importDraws("双色球", kSsq, kThreeDraws); }).find("找不到彩票数据库文件"),
              std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.cataloguePath()));
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
}

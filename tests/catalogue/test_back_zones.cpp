// Lotteries with a back zone in the catalogue: the shipped rows, catalogues
// made before the back zone's columns, and the add dialog's fields.
#include "../support/app_dir.h"
#include "../support/error_of.h"
#include "catalogue/catalogue_store.h"
#include "catalogue/lottery_info.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs SQL on the catalogue outside the store; returns the column names.
QStringList runSql(const QString &path, const QString &statement = {})
{
    QStringList columns;
    const QString connection = QStringLiteral("test-sql");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        if (!statement.isEmpty()) {
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        }
        const QSqlRecord record = db.record(QStringLiteral("彩票类型表"));
        for (int i = 0; i < record.count(); ++i)
            columns << record.fieldName(i);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return columns;
}

const QStringList kOldColumns{QStringLiteral("彩票名称"), QStringLiteral("彩票类型"),
                              QStringLiteral("号码总数"), QStringLiteral("号码个数")};
const QStringList kColumns
    = kOldColumns
      + QStringList{QStringLiteral("后区名称"), QStringLiteral("后区总数"), QStringLiteral("后区个数")};

std::vector<LotteryInfo> lotteries(const QString &path)
{
    std::vector<LotteryInfo> result;
    for (const CatalogueRow &row : CatalogueStore(path).readAll())
        result.push_back(lotteryFromRow(row));
    return result;
}

} // namespace

TEST(BackZoneCatalogue, ShippedRowsFollowTheCurrentRules)
{
    TestAppDir dir;
    const auto shipped = lotteries(dir.cataloguePath());
    ASSERT_EQ(shipped.size(), 9u);
    Lottery ssq{Lotto, 33, 6, "蓝球", 16, 1};
    ssq.frontName = "红球";
    EXPECT_EQ(shipped[0], (LotteryInfo{QStringLiteral("双色球"), ssq}));
    EXPECT_EQ(shipped[0].lottery.frontZoneName(), "红球");
    EXPECT_EQ(shipped[1].lottery.frontZoneName(), "前区");
    EXPECT_EQ(shipped[1], (LotteryInfo{QStringLiteral("大乐透"), {Lotto, 35, 5, "后区", 12, 2}}));
    EXPECT_EQ(shipped[8], (LotteryInfo{QStringLiteral("七星彩"), {Digit, 10, 6, "后区", 15, 1}}));
    EXPECT_EQ(shipped[5], (LotteryInfo{QStringLiteral("福彩3D"), {Digit, 10, 3}}));
    for (const LotteryInfo &lottery : shipped)
        EXPECT_FALSE(lotteryProblem(lottery)) << lottery.name.toStdString();
    EXPECT_EQ(runSql(dir.cataloguePath()), kColumns + QStringList{QStringLiteral("前区名称")});
}

// A catalogue with back zones but made before 前区名称 opens as it is; its
// front zones are "前区", and a front zone of its own name adds the column.
TEST(BackZoneCatalogue, ACatalogueWithoutFrontNamesCallsThemFrontZones)
{
    TestAppDir dir;
    dir.writeTwoZoneCatalogue({std::array<QString, 7>{
        QStringLiteral("双色球"), QStringLiteral("0"), QStringLiteral("33"), QStringLiteral("6"),
        QStringLiteral("蓝球"), QStringLiteral("16"), QStringLiteral("1")}});
    const QByteArray before = bytesOf(dir.cataloguePath());
    EXPECT_EQ(lotteries(dir.cataloguePath()).front().lottery.frontZoneName(), "前区");
    EXPECT_EQ(bytesOf(dir.cataloguePath()), before);
    Lottery red{Lotto, 30, 5, "蓝球", 10, 1};
    red.frontName = "红球";
    ASSERT_TRUE(CatalogueStore(dir.cataloguePath()).appendIfNew({QStringLiteral("红五"), red}));
    EXPECT_EQ(runSql(dir.cataloguePath()), kColumns + QStringList{QStringLiteral("前区名称")});
    EXPECT_EQ(lotteries(dir.cataloguePath()).back().lottery.frontZoneName(), "红球");
    EXPECT_EQ(lotteries(dir.cataloguePath()).front().lottery.frontZoneName(), "前区");
}

TEST(BackZoneCatalogue, OldCatalogueOpensUnchangedAndSinglePoolsKeepItSo)
{
    TestAppDir dir;
    dir.writeSinglePoolCatalogue();
    const QByteArray before = bytesOf(dir.cataloguePath());
    const auto rows = lotteries(dir.cataloguePath());
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], (LotteryInfo{QStringLiteral("双色球"), {Lotto, 33, 6}}));
    EXPECT_EQ(rows[8], (LotteryInfo{QStringLiteral("七星彩"), {Digit, 10, 7}}));
    EXPECT_EQ(bytesOf(dir.cataloguePath()), before);

    // A single pool is appended to the four columns there are.
    EXPECT_TRUE(CatalogueStore(dir.cataloguePath()).appendIfNew({QStringLiteral("15选5"), {Lotto, 15, 5}}));
    EXPECT_EQ(runSql(dir.cataloguePath()), kOldColumns);
    EXPECT_EQ(lotteries(dir.cataloguePath()).back(), (LotteryInfo{QStringLiteral("15选5"), {Lotto, 15, 5}}));
}

TEST(BackZoneCatalogue, AddingATwoZoneLotteryGivesAnOldCatalogueTheColumnsAndKeepsItsRows)
{
    TestAppDir dir;
    dir.writeSinglePoolCatalogue();
    const auto before = lotteries(dir.cataloguePath());
    const LotteryInfo added{QStringLiteral("新双色球"), {Lotto, 33, 6, "蓝球", 16, 1}};
    ASSERT_TRUE(CatalogueStore(dir.cataloguePath()).appendIfNew(added));
    EXPECT_EQ(runSql(dir.cataloguePath()), kColumns);
    auto after = lotteries(dir.cataloguePath());
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), added);
    after.pop_back();
    EXPECT_EQ(after, before);
    // Once there, the columns are simply used.
    ASSERT_TRUE(CatalogueStore(dir.cataloguePath())
                    .appendIfNew({QStringLiteral("乙"), {Digit, 10, 2, "后区", 5, 2}}));
    ASSERT_TRUE(CatalogueStore(dir.cataloguePath()).appendIfNew({QStringLiteral("丙"), {Digit, 10, 2}}));
    after = lotteries(dir.cataloguePath());
    EXPECT_EQ(after[after.size() - 2].lottery, Lottery(Digit, 10, 2, "后区", 5, 2));
    EXPECT_EQ(after.back().lottery, Lottery(Digit, 10, 2));
}

TEST(BackZoneCatalogue, AFailedAdditionLeavesTheOldCatalogueAsItWas)
{
    TestAppDir dir;
    dir.writeSinglePoolCatalogue();
    // Another program's rule that turns every new row away, after the
    // columns would have been added.
    runSql(dir.cataloguePath(), QStringLiteral("create trigger refuse before insert on 彩票类型表 "
                                               "begin select raise(abort, 'refused'); end"));
    const QByteArray before = bytesOf(dir.cataloguePath());
    const std::string message = errorOf([&] {
        CatalogueStore(dir.cataloguePath()).append({QStringLiteral("新"), {Lotto, 33, 6, "蓝球", 16, 1}});
    });
    EXPECT_NE(message.find("无法写入彩票数据库"), std::string::npos) << message;
    EXPECT_EQ(runSql(dir.cataloguePath()), kOldColumns);
    EXPECT_EQ(bytesOf(dir.cataloguePath()), before);
    // The name is looked for before anything is written.
    EXPECT_FALSE(CatalogueStore(dir.cataloguePath())
                     .appendIfNew({QStringLiteral("双色球"), {Lotto, 33, 6, "蓝球", 16, 1}}));
    EXPECT_EQ(runSql(dir.cataloguePath()), kOldColumns);
}

TEST(LotteryToAdd, BackZoneFieldsAreAskedForInOrderAndBoundsRefused)
{
    const LotteryForm full{QStringLiteral("新"),
                           0,
                           QStringLiteral("33"),
                           QStringLiteral("6"),
                           true,
                           QStringLiteral("蓝球"),
                           QStringLiteral("16"),
                           QStringLiteral("1")};
    const auto refusal = [](const LotteryForm &form) {
        const auto read = lotteryToAdd(form);
        return read.accepted() ? std::string("accepted") : read.refusal();
    };
    EXPECT_EQ(refusal(full), "accepted");
    EXPECT_EQ(lotteryToAdd(full).value().lottery, Lottery(0, 33, 6, "蓝球", 16, 1));

    struct Case
    {
        void (*edit)(LotteryForm &);
        const char *expected;
    } cases[] = {
        {[](LotteryForm &f) { f.name.clear(), f.backName.clear(); }, "请输入彩票名称！！"},
        {[](LotteryForm &f) { f.total.clear(), f.backName.clear(); }, "请输入号码总数！"},
        {[](LotteryForm &f) { f.backName.clear(), f.backTotal.clear(); }, "请输入后区名称！！"},
        {[](LotteryForm &f) { f.backCount.clear(), f.backTotal.clear(); }, "请输入后区个数！！"},
        {[](LotteryForm &f) { f.backTotal.clear(); }, "请输入后区总数！"},
        {[](LotteryForm &f) { f.backName = QStringLiteral("蓝\n球"); }, "后区名称不能包含换行符或空字符！"},
        {[](LotteryForm &f) { f.backName = QStringLiteral("蓝\t球"); },
         "后区名称不能包含控制字符或无效字符！"},
        {[](LotteryForm &f) { f.backCount = QStringLiteral("0"); },
         "彩票“新”的蓝球个数为0，蓝球个数应在1到蓝球总数16之间。"},
        {[](LotteryForm &f) { f.backCount = QStringLiteral("17"); },
         "彩票“新”的蓝球个数为17，蓝球个数应在1到蓝球总数16之间。"},
        {[](LotteryForm &f) { f.count = QStringLiteral("55"), f.total = QStringLiteral("99"); },
         "彩票“新”的号码个数与蓝球个数共56个，程序一注只能处理55个号码。"},
        // Unticked, the back fields are not read at all.
        {[](LotteryForm &f) { f.hasBack = false, f.backName.clear(), f.backTotal = QStringLiteral("x"); },
         "accepted"},
    };
    for (const Case &c : cases) {
        LotteryForm form = full;
        c.edit(form);
        EXPECT_EQ(refusal(form), c.expected);
    }
    LotteryForm notANumber = full;
    notANumber.backTotal = QStringLiteral("十六");
    EXPECT_EQ(errorOf([&] { lotteryToAdd(notANumber); }), "'十六' 不是一个有效的整形值");
}

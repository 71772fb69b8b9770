#include "history/history_store.h"

#include "base/app_error.h"
#include "base/int_text.h"
#include "catalogue/sql_connection.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>

namespace {

const QString kDrawTable = QStringLiteral("开奖号码表");
const QString kPrizeTable = QStringLiteral("奖级表");

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

std::string utf8(const QVariant &value)
{
    return value.toString().toStdString();
}

// Numbers as the store keeps them: two digits each, separated by spaces.
QString numbersText(const std::vector<int> &numbers)
{
    return text(zoneText(numbers, false));
}

// A stored number list; anything that is no number makes the row unfit.
std::optional<std::vector<int>> numbersOf(const QString &stored)
{
    std::vector<int> numbers;
    for (const QString &part : stored.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto value = parseInt(part.toStdString());
        if (!value)
            return std::nullopt;
        numbers.push_back(*value);
    }
    return numbers;
}

void createTables(const SqlConnection &connection, const std::vector<PrizeRuleRow> &rules)
{
    const bool newRules = !connection.hasTable(kPrizeTable);
    QSqlQuery query(connection.database());
    connection.exec(
        query, QStringLiteral("create table if not exists %1 (彩票名称 text not null, 期号 text not null, "
                              "开奖日期 text, 前区号码 text not null, 后区号码 text, 特别号 integer, "
                              "unique (彩票名称, 期号))")
                   .arg(kDrawTable));
    if (!newRules)
        return;
    QStringList columns;
    QStringList definitions;
    for (std::string_view column : kPrizeColumns) {
        columns << QString::fromUtf8(column.data(), static_cast<qsizetype>(column.size()));
        const bool count
            = column == "投注个数" || column == "前区命中" || column == "后区命中" || column == "特别号";
        definitions << columns.back() + (count ? QStringLiteral(" integer") : QStringLiteral(" text"));
    }
    connection.exec(
        query,
        QStringLiteral("create table %1 (%2)").arg(kPrizeTable, definitions.join(QStringLiteral(", "))));
    query.prepare(
        QStringLiteral("insert into %1 (%2) values (?%3)")
            .arg(kPrizeTable, columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(12)));
    const auto optional
        = [](const std::optional<int> &value) { return value ? QVariant(*value) : QVariant(); };
    for (const PrizeRuleRow &row : rules) {
        for (const QVariant &value :
             {QVariant(text(row.lottery)), QVariant(text(row.firstIssue)), QVariant(text(row.play)),
              QVariant(text(row.level)), QVariant(row.betCount), QVariant(text(row.match)),
              QVariant(row.frontHits), optional(row.backHits), optional(row.specialHit),
              QVariant(text(row.prize)), QVariant(text(row.highPrize)), QVariant(text(row.highCondition)),
              QVariant(text(row.price))})
            query.addBindValue(value);
        connection.exec(query);
    }
}

// Runs `work` inside one write transaction with the tables in place;
// a failure rolls everything back.
template<typename Work>
auto writing(const QString &filePath, int busyTimeout, Work work)
{
    requireDatabaseFile(filePath);
    SqlConnection connection(filePath, SqlConnection::ReadWrite, busyTimeout);
    connection.begin();
    try {
        createTables(connection, shippedPrizeRules());
        auto result = work(connection);
        connection.commit();
        return result;
    } catch (...) {
        connection.rollback();
        throw;
    }
}

std::vector<Draw> readDraws(const SqlConnection &connection, const std::string &lottery, int *unfit,
                            const DrawShape *shape)
{
    std::vector<Draw> draws;
    if (!connection.hasTable(kDrawTable))
        return draws;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("select 期号, 开奖日期, 前区号码, 后区号码, 特别号 from %1 where 彩票名称 = ?")
            .arg(kDrawTable));
    query.addBindValue(text(lottery));
    connection.exec(query);
    while (query.next()) {
        Draw draw;
        draw.lottery = lottery;
        draw.issue = utf8(query.value(0));
        draw.date = utf8(query.value(1));
        const auto front = numbersOf(query.value(2).toString());
        const auto back = numbersOf(query.value(3).toString());
        const auto special = query.value(4).isNull() ? std::optional<int>() : parseInt(utf8(query.value(4)));
        bool fits = front && back && (query.value(4).isNull() || special) && issueKey(draw.issue);
        if (fits) {
            draw.front = *front;
            draw.back = *back;
            draw.special = special;
            if (shape && !shape->front.digits)
                std::sort(draw.front.begin(), draw.front.end());
            if (shape && shape->back && !shape->back->digits)
                std::sort(draw.back.begin(), draw.back.end());
            fits = !shape || !drawProblem(draw, *shape);
        }
        if (fits)
            draws.push_back(std::move(draw));
        else if (unfit)
            ++*unfit;
    }
    sortByIssue(draws);
    return draws;
}

void insertDraws(const SqlConnection &connection, const std::vector<Draw> &draws)
{
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("insert into %1 (彩票名称, 期号, 开奖日期, 前区号码, 后区号码, 特别号) "
                                 "values (?, ?, ?, ?, ?, ?)")
                      .arg(kDrawTable));
    for (const Draw &draw : draws) {
        query.addBindValue(text(draw.lottery));
        query.addBindValue(text(draw.issue));
        query.addBindValue(text(draw.date));
        query.addBindValue(numbersText(draw.front));
        query.addBindValue(numbersText(draw.back));
        query.addBindValue(draw.special ? QVariant(*draw.special) : QVariant());
        connection.exec(query);
    }
}

} // namespace

HistoryStore::HistoryStore(QString filePath, int busyTimeout)
    : m_filePath(std::move(filePath))
    , m_busyTimeout(busyTimeout)
{}

void HistoryStore::ensureTables(const std::vector<PrizeRuleRow> &rules) const
{
    requireDatabaseFile(m_filePath);
    SqlConnection connection(m_filePath, SqlConnection::ReadWrite, m_busyTimeout);
    connection.begin();
    try {
        createTables(connection, rules);
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
}

HistoryStore::StoredDraws HistoryStore::draws(const std::string &lottery, const DrawShape &shape) const
{
    requireDatabaseFile(m_filePath);
    const SqlConnection connection(m_filePath, SqlConnection::ReadOnly, m_busyTimeout);
    StoredDraws stored;
    stored.draws = readDraws(connection, lottery, &stored.unfit, &shape);
    return stored;
}

ImportPlan HistoryStore::importDraws(const std::string &lottery, const DrawShape &shape,
                                     std::string_view bytes) const
{
    const DrawText text = readDrawText(bytes, shape);
    return writing(m_filePath, m_busyTimeout, [&](const SqlConnection &connection) {
        // Every stored row counts, fitting or not, so that none is written over.
        ImportPlan plan = planImport(text, readDraws(connection, lottery, nullptr, nullptr), lottery, shape);
        insertDraws(connection, plan.added);
        return plan;
    });
}

Check HistoryStore::addDraw(const Draw &draw) const
{
    return writing(m_filePath, m_busyTimeout, [&](const SqlConnection &connection) -> Check {
        const auto key = issueKey(draw.issue);
        for (const Draw &stored : readDraws(connection, draw.lottery, nullptr, nullptr)) {
            if (issueKey(stored.issue) == key)
                return Refusal{"期号" + draw.issue + "已经存在，未添加。"};
        }
        insertDraws(connection, {draw});
        return std::nullopt;
    });
}

bool HistoryStore::deleteDraw(const std::string &lottery, const std::string &issue) const
{
    return deleteDraws(lottery, {issue}) > 0;
}

int HistoryStore::deleteDraws(const std::string &lottery, const std::vector<std::string> &issues) const
{
    return writing(m_filePath, m_busyTimeout, [&](const SqlConnection &connection) {
        QSqlQuery query(connection.database());
        query.prepare(QStringLiteral("delete from %1 where 彩票名称 = ? and 期号 = ?").arg(kDrawTable));
        int deleted = 0;
        for (const std::string &issue : issues) {
            query.addBindValue(text(lottery));
            query.addBindValue(text(issue));
            connection.exec(query);
            deleted += std::max(0, query.numRowsAffected());
        }
        return deleted;
    });
}

std::vector<PrizeRuleRow> HistoryStore::prizeRules(const std::string &lottery) const
{
    requireDatabaseFile(m_filePath);
    const SqlConnection connection(m_filePath, SqlConnection::ReadOnly, m_busyTimeout);
    std::vector<PrizeRuleRow> rows;
    if (!connection.hasTable(kPrizeTable)) {
        for (const PrizeRuleRow &row : shippedPrizeRules()) {
            if (row.lottery == lottery)
                rows.push_back(row);
        }
        return rows;
    }
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * from %1 where 彩票名称 = ? order by rowid").arg(kPrizeTable));
    query.addBindValue(text(lottery));
    connection.exec(query);
    std::array<int, kPrizeColumns.size()> columns{};
    for (size_t i = 0; i < kPrizeColumns.size(); ++i) {
        const QString name
            = QString::fromUtf8(kPrizeColumns[i].data(), static_cast<qsizetype>(kPrizeColumns[i].size()));
        columns[i] = query.record().indexOf(name);
        if (columns[i] < 0)
            throw AppError(QStringLiteral("彩票数据库“%1”的表%2缺少列“%3”。")
                               .arg(m_filePath, kPrizeTable, name)
                               .toStdString());
    }
    const auto optional = [](const QVariant &value) {
        return value.isNull() || value.toString().isEmpty() ? std::optional<int>()
                                                            : std::optional<int>(value.toInt());
    };
    while (query.next()) {
        const auto value = [&](int column) { return query.value(columns[column]); };
        rows.push_back({utf8(value(0)), utf8(value(1)), utf8(value(2)), utf8(value(3)), value(4).toInt(),
                        utf8(value(5)), value(6).toInt(), optional(value(7)), optional(value(8)),
                        utf8(value(9)), utf8(value(10)), utf8(value(11)), utf8(value(12))});
    }
    return rows;
}

PrizeTable HistoryStore::prizeTable(const std::string &lottery) const
{
    return PrizeTable::fromRows(lottery, prizeRules(lottery));
}

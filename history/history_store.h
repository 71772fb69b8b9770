#pragma once

#include "history/draw.h"
#include "history/import_plan.h"
#include "history/prize_rules.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The draws and prize rules in the catalogue database: the tables 开奖号码表
// (彩票名称, 期号, 开奖日期, 前区号码, 后区号码, 特别号; one row per lottery
// and 期号) and 奖级表 (the columns of PrizeRuleRow). A catalogue made before
// them has neither: reading then finds no draws and the shipped rules, and
// the first write creates both in its own transaction, leaving 彩票类型表 as
// it is. Every operation opens its own connection and closes it before it
// returns; failures throw AppError with a message for the player.
class HistoryStore
{
public:
    explicit HistoryStore(QString filePath, int busyTimeout = 5000);

    // Creates the missing tables in one transaction; a new 奖级表 receives
    // `rules`. The program passes shippedPrizeRules().
    void ensureTables(const std::vector<PrizeRuleRow> &rules) const;

    struct StoredDraws
    {
        std::vector<Draw> draws; // oldest first
        int unfit = 0;           // rows that do not fit the lottery's shape, left out
    };
    StoredDraws draws(const std::string &lottery, const DrawShape &shape) const;

    // Reads a file's bytes and stores its new draws (see planImport), all in
    // one transaction: when storing fails, nothing is stored.
    ImportPlan importDraws(const std::string &lottery, const DrawShape &shape, std::string_view bytes) const;

    // Stores one typed draw; a 期号 already stored is refused with a message
    // and changes nothing.
    Check addDraw(const Draw &draw) const;

    // Removes a draw; false when there was none.
    bool deleteDraw(const std::string &lottery, const std::string &issue) const;
    // Removes these draws in one transaction; how many there were.
    int deleteDraws(const std::string &lottery, const std::vector<std::string> &issues) const;

    // The lottery's rule rows as stored, or the shipped ones when the
    // catalogue has no 奖级表 yet.
    std::vector<PrizeRuleRow> prizeRules(const std::string &lottery) const;
    PrizeTable prizeTable(const std::string &lottery) const;

private:
    QString m_filePath;
    int m_busyTimeout;
};

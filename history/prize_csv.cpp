// The prize rules' CSV form: the shipped source of the prize table.
#include "history/prize_rules.h"

#include "base/app_error.h"
#include "base/int_text.h"

#include <algorithm>

// The shipped CSV, compiled in by the build (shipped_prize_rules.cpp).
extern const char kShippedPrizeCsv[];

namespace {

std::string trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::vector<std::string> csvFields(std::string_view line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(',', start);
        fields.push_back(trimmed(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

} // namespace

std::vector<PrizeRuleRow> parsePrizeCsv(std::string_view text)
{
    std::vector<PrizeRuleRow> rows;
    int lineNumber = 0;
    bool header = true;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> f = csvFields(line);
        const auto fail = [&](const std::string &what) {
            throw AppError("奖级规则第" + std::to_string(lineNumber) + "行：" + what);
        };
        if (header) {
            if (!std::equal(f.begin(), f.end(), kPrizeColumns.begin(), kPrizeColumns.end()))
                fail("表头应为各列的名称");
            header = false;
            continue;
        }
        if (f.size() != kPrizeColumns.size())
            fail("应有" + std::to_string(kPrizeColumns.size()) + "列，读到" + std::to_string(f.size())
                 + "列");
        const auto integer = [&](const std::string &field, std::string_view column) {
            const auto value = parseInt(field);
            if (!value)
                fail(std::string(column) + "“" + field + "”不是整数");
            return *value;
        };
        const auto optionalInteger = [&](const std::string &field, std::string_view column) {
            return field.empty() ? std::nullopt : std::optional<int>(integer(field, column));
        };
        PrizeRuleRow row;
        row.lottery = f[0];
        row.firstIssue = f[1];
        row.play = f[2];
        row.level = f[3];
        row.betCount = integer(f[4], kPrizeColumns[4]);
        row.match = f[5];
        row.frontHits = integer(f[6], kPrizeColumns[6]);
        row.backHits = optionalInteger(f[7], kPrizeColumns[7]);
        row.specialHit = optionalInteger(f[8], kPrizeColumns[8]);
        row.prize = f[9];
        row.highPrize = f[10];
        row.highCondition = f[11];
        row.price = f[12];
        rows.push_back(std::move(row));
    }
    return rows;
}

const std::vector<PrizeRuleRow> &shippedPrizeRules()
{
    static const std::vector<PrizeRuleRow> rows = parsePrizeCsv(kShippedPrizeCsv);
    return rows;
}

#include "history/import_plan.h"

#include <algorithm>
#include <unordered_map>

ImportPlan planImport(const DrawText &text, const std::vector<Draw> &stored, const std::string &lottery,
                      const DrawShape &shape)
{
    ImportPlan plan;
    plan.problems = text.problems;
    plan.headerLine = text.headerLine;
    plan.linesWithOtherColumns = text.linesWithOtherColumns;
    std::unordered_map<std::int64_t, const Draw *> storedByIssue;
    for (const Draw &draw : stored) {
        if (const auto key = issueKey(draw.issue))
            storedByIssue.emplace(*key, &draw);
    }
    // The line each new 期号 came from, and its place in `added`.
    std::unordered_map<std::int64_t, std::pair<int, size_t>> fileIssues;
    for (const NumberedDraw &read : text.draws) {
        const std::int64_t key = *issueKey(read.draw.issue);
        if (const auto found = storedByIssue.find(key); found != storedByIssue.end()) {
            if (sameNumbers(*found->second, read.draw))
                ++plan.skipped;
            else
                plan.problems.push_back({read.line, "期号" + read.draw.issue + "已存有不同的号码（"
                                                        + drawNumbersText(*found->second, shape)
                                                        + "），未覆盖"});
            continue;
        }
        if (const auto earlier = fileIssues.find(key); earlier != fileIssues.end()) {
            if (sameNumbers(plan.added[earlier->second.second], read.draw))
                ++plan.skipped;
            else
                plan.problems.push_back({read.line, "期号" + read.draw.issue + "在第"
                                                        + std::to_string(earlier->second.first)
                                                        + "行已出现，号码不同"});
            continue;
        }
        fileIssues.emplace(key, std::make_pair(read.line, plan.added.size()));
        plan.added.push_back(read.draw);
        plan.added.back().lottery = lottery;
    }
    std::stable_sort(plan.problems.begin(), plan.problems.end(),
                     [](const LineProblem &a, const LineProblem &b) { return a.line < b.line; });
    return plan;
}

ImportReport importReport(const ImportPlan &plan)
{
    ImportReport report;
    std::string &text = report.summary;
    text = "导入" + std::to_string(plan.added.size()) + "期";
    if (plan.skipped > 0)
        text += "，跳过" + std::to_string(plan.skipped) + "期（已有相同号码）";
    text += "。";
    if (plan.headerLine > 0)
        text += "\n第" + std::to_string(plan.headerLine) + "行是表头，未导入。";
    if (plan.linesWithOtherColumns > 0)
        text += "\n" + std::to_string(plan.linesWithOtherColumns)
                + "行号码后的其他列（如销售额、奖池）未导入。";
    if (plan.problems.empty())
        return report;
    text += "\n" + std::to_string(plan.problems.size()) + "行未导入，原因见详细信息。";
    for (const LineProblem &problem : plan.problems) {
        if (!report.details.empty())
            report.details += "\n";
        report.details += "第" + std::to_string(problem.line) + "行：" + problem.reason;
    }
    return report;
}

#pragma once

#include "history/draw_text.h"

#include <string>
#include <vector>

// What an import does with the draws read from a file, given the draws
// already stored for the lottery: a draw of a new 期号 is added; one whose
// 期号 is stored (or came earlier in the file) with the same numbers is
// skipped; one with other numbers is a problem of its line and is never
// written over the stored one.
struct ImportPlan
{
    std::vector<Draw> added;
    int skipped = 0;
    std::vector<LineProblem> problems; // unreadable lines and conflicts, by line
    int headerLine = 0;                // the line passed over as a header, or 0
    int linesWithOtherColumns = 0;     // draws whose columns after the numbers were passed over
};

// `lottery` names the lottery the added draws belong to.
ImportPlan planImport(const DrawText &text, const std::vector<Draw> &stored, const std::string &lottery,
                      const DrawShape &shape);

// What an import did, told the player in two parts: a short summary, e.g.
// "导入12期，跳过3期（已有相同号码）。\n第1行是表头，未导入。\n2行未导入，原因见详细信息。",
// and every line not imported, one a line ("第5行：…"), however many.
struct ImportReport
{
    std::string summary;
    std::string details;
};
ImportReport importReport(const ImportPlan &plan);

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
};

// `lottery` names the lottery the added draws belong to.
ImportPlan planImport(const DrawText &text, const std::vector<Draw> &stored, const std::string &lottery,
                      const DrawShape &shape);

// The message that tells the player what an import did, for example
// "导入12期，跳过3期（已有相同号码）。\n2行未导入：\n第5行：…".
std::string importReportText(const ImportPlan &plan);

#pragma once

#include "catalogue/lottery_info.h"

#include <string_view>
#include <vector>

// The readable source the shipped catalogue is built from: a header line,
// then one lottery a line as 彩票名称,彩票类型,号码总数,号码个数, followed
// for a lottery with a back zone by ,后区名称,后区总数,后区个数 and, where
// its front zone has a name of its own, ,前区名称 (UTF-8, no quoting; blanks
// around a line and blank lines are ignored; the back zone's fields left
// empty, or a back count of 0, make a single pool). A line that is not
// four, seven or eight fields, holds no integer where one belongs
// or names a lottery the program could not serve throws AppError naming the
// line.
std::vector<LotteryInfo> parseCatalogueSource(std::string_view utf8);

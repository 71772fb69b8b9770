#include "wheels/covering.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const std::string kTool = KORVEL_TOOLS_DIR "/korvel-wheel";
const std::string kTables = KORVEL_DIST_DIR "/附属/旋转矩阵";

std::string run(const std::string &command)
{
    std::string output;
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return "popen failed";
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    pclose(pipe);
    return output;
}

} // namespace

// A shipped row comes out as it is kept, without a search: one bet a line in
// two-digit form and the count beside the record.
TEST(WheelTool, PrintsTheShippedWheelAndItsRecord)
{
    const std::string output = run(kTool + " 12 6 5 5 --tables '" + kTables + "'");
    const size_t last = output.rfind("# ");
    ASSERT_NE(last, std::string::npos) << output;
    EXPECT_EQ(output.substr(last), "# bets 132 record 132\n");
    EXPECT_EQ(output.substr(0, 15), "01 02 03 04 05 "); // every five numbers lie in one bet
    const auto bets = parseWheelText(output);
    ASSERT_TRUE(bets);
    EXPECT_EQ(bets->size(), 132u);
    EXPECT_TRUE(verifyWheel({12, 6, 5, 5}, *bets));
}

// A guarantee beyond the shipped set is searched on the spot, within its
// bound, and still passes the check; nonsense is refused in Chinese.
TEST(WheelTool, SearchesOtherGuaranteesAndRefusesNonsense)
{
    const std::string output = run(kTool + " 16 6 5 4 --seconds 1 --tables '" + kTables + "' --fresh");
    const auto bets = parseWheelText(output);
    ASSERT_TRUE(bets) << output;
    EXPECT_TRUE(verifyWheel({16, 6, 5, 4}, *bets));
    EXPECT_NE(output.find("# bets " + std::to_string(bets->size()) + " record -\n"), std::string::npos);
    EXPECT_EQ(run(kTool + " 10 6 5 1"), "保证条件须满足 2 ≤ 保 ≤ 中 ≤ 每注号码个数。\n");
    EXPECT_EQ(run(kTool + " 10 6 5"), run(kTool + " --help"));
}

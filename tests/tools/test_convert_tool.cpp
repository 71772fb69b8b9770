#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string readText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string run(const std::string &command)
{
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
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

// One request a line in, one bet or "! message" a line out; the lines share
// one draw generator, so the repeat of the third request draws on, and so
// does the 七乐彩 bet whose 34 is settled by drawing (09 taken, then 21).
TEST(ConvertTool, ConvertsAFileOfRequests)
{
    const std::string data = KORVEL_SOURCE_DIR "/tests/tools/";
    const std::string output
        = run("'" KORVEL_TOOLS_DIR "/korvel-convert' < '" + data + "convert_requests.txt'");
    EXPECT_EQ(output, readText(data + "convert_expected.txt"));
}

TEST(ConvertTool, EmptyInputGivesNoOutput)
{
    EXPECT_EQ(run("'" KORVEL_TOOLS_DIR "/korvel-convert' < /dev/null"), "");
}

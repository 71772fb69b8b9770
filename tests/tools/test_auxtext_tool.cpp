#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ToolRun
{
    std::string out;
    int status = -1;
};

ToolRun run(const std::string &command, const std::string &input)
{
    // A file of its own for each run: test programs may run side by side.
    std::string inputPath = testing::TempDir() + "auxtext-in-XXXXXX";
    const int fd = mkstemp(inputPath.data());
    if (fd >= 0)
        close(fd);
    std::ofstream(inputPath, std::ios::binary) << input;
    ToolRun result;
    FILE *pipe = popen((command + " < '" + inputPath + "' 2>/dev/null").c_str(), "r");
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, got);
    result.status = WEXITSTATUS(pclose(pipe));
    std::remove(inputPath.c_str());
    return result;
}

const std::string kTool = "'" KORVEL_TOOLS_DIR "/korvel-auxtext'";

} // namespace

TEST(AuxTextTool, EnciphersAndDecipherBack)
{
    const ToolRun enciphered = run(kTool + " encipher", "出品：甲\n\nQQ号码：12345\n");
    ASSERT_EQ(enciphered.status, 0);
    EXPECT_EQ(std::count(enciphered.out.begin(), enciphered.out.end(), '\n'), 3);
    EXPECT_NE(enciphered.out.find("\r\n\r\n"), std::string::npos); // the empty caption
    EXPECT_EQ(enciphered.out.find_first_of("abcdef"), std::string::npos);
    const ToolRun deciphered = run(kTool + " decipher", enciphered.out);
    EXPECT_EQ(deciphered.status, 0);
    EXPECT_EQ(deciphered.out, "出品：甲\n\nQQ号码：12345\n");

    const ToolRun otherKey = run(kTool + " encipher --key 99", "出品：甲\n");
    EXPECT_NE(otherKey.out.substr(0, 16), enciphered.out.substr(0, 16));
    EXPECT_EQ(run(kTool + " decipher --key 99", otherKey.out).out, "出品：甲\n");
}

TEST(AuxTextTool, BadLinesAreReportedAfterTheOthers)
{
    const ToolRun enciphered = run(kTool + " encipher", "好\n");
    const ToolRun result = run(kTool + " decipher", "nothex\n" + enciphered.out);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "好\n");
    EXPECT_EQ(run(kTool + " frobnicate", "").status, 2);
}

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kHelp = KORVEL_DIST_DIR "/帮助/Korvel自动选号器帮助.chm";
const fs::path kSources = KORVEL_SOURCE_DIR "/install/帮助/src";

std::string run(const std::string &command)
{
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {};
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    pclose(pipe);
    return output;
}

// The files stored in the compiled help, as "/name".
std::set<std::string> storedFiles()
{
    std::set<std::string> files;
    std::istringstream listing(run("enum_chmLib '" + kHelp + "'"));
    std::string line;
    while (std::getline(listing, line)) {
        const auto kind = line.find("normal file");
        const auto slash = line.find('/', kind);
        if (kind != std::string::npos && slash != std::string::npos)
            files.insert(line.substr(slash));
    }
    return files;
}

// The files a page refers to: href, src and value attributes naming a page,
// a picture or the style sheet of the help.
std::vector<std::string> linkedFiles(const std::string &text)
{
    std::vector<std::string> files;
    for (const std::string attribute : {"href=\"", "src=\"", "value=\""}) {
        for (size_t at = text.find(attribute); at != std::string::npos; at = text.find(attribute, at + 1)) {
            const size_t start = at + attribute.size();
            const std::string target = text.substr(start, text.find('"', start) - start);
            const auto dot = target.rfind('.');
            const std::string ending = dot == std::string::npos ? "" : target.substr(dot);
            if (target.find(':') == std::string::npos
                && (ending == ".html" || ending == ".png" || ending == ".css"))
                files.push_back(target);
        }
    }
    return files;
}

std::string readText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(HelpFile, IsACompiledHelpFileWithItsPages)
{
    std::ifstream in(kHelp, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic, 4), "ITSF");
    const std::set<std::string> files = storedFiles();
    for (const char *page : {"/index.html", "/lottery.html", "/entry.html", "/methods.html", "/results.html",
                             "/screens.html", "/help.hhc", "/help.hhk", "/main-window.png"})
        EXPECT_TRUE(files.count(page)) << page;
}

TEST(HelpFile, EveryLinkAndPictureIsInside)
{
    const std::set<std::string> files = storedFiles();
    ASSERT_FALSE(files.empty());
    int links = 0;
    for (const auto &entry : fs::directory_iterator(kSources)) {
        for (const std::string &target : linkedFiles(readText(entry.path()))) {
            ++links;
            EXPECT_TRUE(files.count("/" + target)) << entry.path().filename() << " links to " << target;
        }
    }
    EXPECT_GT(links, 20);
}

TEST(HelpFile, ContentsAndIndexAreInTheCodePageOfItsLanguage)
{
    // A viewer reads them as GBK, the code page of Chinese help.
    const fs::path folder = fs::temp_directory_path() / "korvel-help-extract";
    fs::remove_all(folder);
    run("extract_chmLib '" + kHelp + "' '" + folder.string() + "' > /dev/null");
    const std::string contents = readText(folder / "help.hhc");
    EXPECT_NE(contents.find("charset=gbk"), std::string::npos);
    EXPECT_NE(contents.find("\xD1\xA1\xD4\xF1\xB2\xCA\xC6\xB1"), std::string::npos); // 选择彩票
    EXPECT_EQ(contents.find("选择彩票"), std::string::npos);
    const std::string index = readText(folder / "help.hhk");
    EXPECT_NE(index.find("\xC0\xD6\xCD\xB8\xD0\xCD"), std::string::npos); // 乐透型
    fs::remove_all(folder);
}

TEST(HelpFile, CoversEveryCorrectionMethod)
{
    const std::string methods = readText(kSources / "methods.html");
    for (const char *name : {"怪数7修正", "五行修正", "太极图阳邻修正", "太极图阴邻修正", "河图阳邻",
                             "洛书阳邻", "补数修正", "凑数修正", "合数修正", "广义阴阳五行修正"})
        EXPECT_NE(methods.find(name), std::string::npos) << name;
}

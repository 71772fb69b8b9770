#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

// 软件演示 shows one picture a page, each the main window at that page's step.
TEST(Demonstration, EveryPageHasAPictureOfItsOwn)
{
    std::set<std::string> pictures;
    for (int page = 1; page <= 5; ++page) {
        const std::filesystem::path file
            = std::filesystem::path(KORVEL_DIST_DIR) / "图片" / ("演示" + std::to_string(page) + ".png");
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(bytes.str().substr(1, 3), "PNG") << file;
        pictures.insert(bytes.str());
    }
    EXPECT_EQ(pictures.size(), 5u);
}

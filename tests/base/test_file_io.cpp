#include "base/app_error.h"
#include "base/file_io.h"

#include "../support/error_of.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileIo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/korvel-io-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const std::string &name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

} // namespace

TEST(FileErrorMessage, MapsSystemErrorsToPlatformMessages)
{
    EXPECT_EQ(fileErrorMessage(EACCES), "文件存取错误");
    EXPECT_EQ(fileErrorMessage(EROFS), "文件存取错误");
    EXPECT_EQ(fileErrorMessage(ENOENT), "文件没找到");
    EXPECT_EQ(fileErrorMessage(ENOSPC), "磁盘已满");
    EXPECT_EQ(fileErrorMessage(EIO), "I/O 错误 " + std::to_string(EIO));
}

TEST_F(FileIo, WritesAndReadsBackExactBytes)
{
    const std::string bytes("a\0b\r\n\xC7\xF2", 7);
    writeFileAtomically(path("f.txt"), bytes);
    EXPECT_EQ(readFile(path("f.txt")), bytes);
    writeFileAtomically(path("f.txt"), "short");
    EXPECT_EQ(readFile(path("f.txt")), "short");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(FileIo, MissingFilesAndFoldersReportNotFound)
{
    EXPECT_EQ(errorOf([&] { readFile(path("none.txt")); }), "文件没找到");
    EXPECT_EQ(errorOf([&] { writeFileAtomically(path("gone/f.txt"), "x"); }), "文件没找到");
}

TEST_F(FileIo, FullDiskReportsDiskFull)
{
    EXPECT_EQ(errorOf([] { writeFileAtomically("/dev/full", "x"); }), "磁盘已满");
}

TEST_F(FileIo, FailedWriteLeavesTheEarlierFileWhole)
{
    writeFileAtomically(path("keep.txt"), "the player's bets");
    // A file size limit makes the write fail part-way, whoever runs the test.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string message
        = errorOf([&] { writeFileAtomically(path("keep.txt"), std::string(100000, 'x')); });
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_NE(message, "no error");
    EXPECT_EQ(readFile(path("keep.txt")), "the player's bets");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(FileIo, ReplacingKeepsTheFilesPermissions)
{
    writeFileAtomically(path("p.txt"), "1");
    fs::permissions(path("p.txt"), fs::perms::owner_read | fs::perms::owner_write);
    writeFileAtomically(path("p.txt"), "2");
    EXPECT_EQ(fs::status(path("p.txt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FileIo, ReadOnlyFilesAreRefusedWithTheAccessError)
{
    writeFileAtomically(path("ro.txt"), "kept");
    fs::permissions(path("ro.txt"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(errorOf([&] { writeFileAtomically(path("ro.txt"), "replaced"); }), "文件存取错误");
    EXPECT_EQ(readFile(path("ro.txt")), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

// The file is writable but its folder takes no temporary: the message names
// the folder, and the file keeps its bytes.
TEST_F(FileIo, ReadOnlyFoldersAreNamedAndTheFileIsKept)
{
    fs::create_directory(m_dir / "locked");
    writeFileAtomically(path("locked/bets.txt"), "kept");
    const std::string folder = path("locked");
    if (std::system(("chattr +i '" + folder + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "this file system cannot make a folder immutable";
    const std::string replaced = errorOf([&] { writeFileAtomically(path("locked/bets.txt"), "new"); });
    const std::string created = errorOf([&] { writeFileAtomically(path("locked/more.txt"), "new"); });
    std::system(("chattr -i '" + folder + "'").c_str());
    EXPECT_EQ(replaced, "文件存取错误：文件夹“" + folder
                            + "”是只读的，无法在其中保存“bets.txt”；原文件保持原样，没有改动。");
    EXPECT_EQ(created, "文件存取错误：文件夹“" + folder + "”是只读的，无法在其中保存“more.txt”。");
    EXPECT_EQ(readFile(path("locked/bets.txt")), "kept");
    EXPECT_FALSE(fs::exists(path("locked/more.txt")));
}

TEST_F(FileIo, SavingThroughALinkWritesTheFileItPointsTo)
{
    fs::create_directory(m_dir / "real");
    writeFileAtomically(path("real/bets.txt"), "old");
    fs::create_symlink("real/bets.txt", m_dir / "relative");
    fs::create_symlink(m_dir / "relative", m_dir / "absolute");
    writeFileAtomically(path("absolute"), "new");
    EXPECT_TRUE(fs::is_symlink(m_dir / "absolute"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "relative"));
    EXPECT_EQ(readFile(path("real/bets.txt")), "new");
    // A link to a file not yet made creates that file.
    fs::create_symlink("real/later.txt", m_dir / "dangling");
    writeFileAtomically(path("dangling"), "made");
    EXPECT_EQ(readFile(path("real/later.txt")), "made");
}

TEST_F(FileIo, TemporariesOfKilledSavesAreRemovedAtTheNextSave)
{
    // A save killed half-way leaves its temporary behind; its process is gone.
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    const std::string dead = ".korvel-save-" + std::to_string(child) + "-Ab12Cd";
    const std::string running = ".korvel-save-" + std::to_string(getpid()) + "-Ef34Gh";
    for (const std::string &name : {dead, running, std::string("notes.txt")})
        std::ofstream(path(name)) << std::string(1000, 'x');
    writeFileAtomically(path("bets.txt"), "1");
    EXPECT_FALSE(fs::exists(path(dead)));
    EXPECT_TRUE(fs::exists(path(running)));
    EXPECT_TRUE(fs::exists(path("notes.txt")));
    EXPECT_EQ(readFile(path("bets.txt")), "1");
}

TEST_F(FileIo, ReadingCanStopAtABound)
{
    writeFileAtomically(path("big.txt"), std::string(200000, 'x'));
    EXPECT_EQ(readFile(path("big.txt"), 70000).size(), 70000u);
    EXPECT_EQ(readFile(path("big.txt")).size(), 200000u);
}

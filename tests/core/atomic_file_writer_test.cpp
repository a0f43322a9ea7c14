#include "platform/FileWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace birch {
namespace {

using test::readAll;
using test::TempDir;
using test::writeFixture;

std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const std::filesystem::path& file)
{
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(AtomicFileWriter, WritesNewFileWithUmaskPermissions)
{
    TempDir dir;
    AtomicFileWriter writer;
    const mode_t old = ::umask(022);
    const auto error = writer.write(dir / "a.xml", std::string("one\0two", 7));
    ::umask(old);
    ASSERT_FALSE(error.has_value()) << error->reason;
    EXPECT_EQ(readAll(dir / "a.xml"), std::string("one\0two", 7));
    EXPECT_EQ(modeOf(dir / "a.xml"), 0644u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.xml"}) << "no temporary file is left";
}

TEST(AtomicFileWriter, ReplacesWholeAndKeepsPermissions)
{
    TempDir dir;
    writeFixture(dir / "a.xml", "a much longer old content");
    ::chmod((dir / "a.xml").c_str(), 0640);
    AtomicFileWriter writer;
    ASSERT_FALSE(writer.write(dir / "a.xml", "new").has_value());
    EXPECT_EQ(readAll(dir / "a.xml"), "new");
    EXPECT_EQ(modeOf(dir / "a.xml"), 0640u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.xml"});
}

TEST(AtomicFileWriter, ParentThatIsAFileFails)
{
    TempDir dir;
    writeFixture(dir / "parent", "not a folder");
    AtomicFileWriter writer;
    const auto error = writer.write(dir / "parent" / "a.xml", "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->file, dir / "parent" / "a.xml");
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(readAll(dir / "parent"), "not a folder");
}

TEST(AtomicFileWriter, TargetThatIsAFolderFailsAndStaysUntouched)
{
    TempDir dir;
    writeFixture(dir / "a.xml" / "inside", "kept");
    AtomicFileWriter writer;
    const auto error = writer.write(dir / "a.xml", "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->file, dir / "a.xml");
    EXPECT_EQ(readAll(dir / "a.xml" / "inside"), "kept");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.xml"});
}

// A file-size limit makes the write itself fail, for root as for anyone.
TEST(AtomicFileWriter, FailedWriteRemovesTheTemporaryFileAndLeavesTheTarget)
{
    TempDir dir;
    writeFixture(dir / "a.xml", "old");
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limited = saved;
    limited.rlim_cur = 1024;
    auto* const previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

    AtomicFileWriter writer;
    const auto error = writer.write(dir / "a.xml", std::string(4096, 'x'));

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->file, dir / "a.xml");
    EXPECT_EQ(readAll(dir / "a.xml"), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.xml"});
}

} // namespace
} // namespace birch

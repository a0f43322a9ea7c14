#include "common/FileRead.h"

#include "FileFaults.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

namespace birch {
namespace {

using test::TempDir;
using test::writeFixture;

TEST(FileRead, ReadsRegularFileWhole)
{
    TempDir dir;
    writeFixture(dir / "f", std::string("a\0b\r\n", 5));
    const auto result = readFileForParsing(dir / "f");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.bytes, std::string("a\0b\r\n", 5));
}

TEST(FileRead, MissingIsNotAFailure)
{
    TempDir dir;
    const auto result = readFileForParsing(dir / "none");
    EXPECT_TRUE(result.missing());
    EXPECT_FALSE(result.ok());
}

TEST(FileRead, RefusesFoldersAndPipesWithoutBlocking)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    for (const auto& path : {dir.path(), dir / "pipe"}) {
        const auto result = readFileForParsing(path);
        EXPECT_EQ(result.status, FileReadResult::Status::Failed) << path;
        EXPECT_FALSE(result.reason.empty());
    }
}

// Something the user has is in the way; the file is not simply missing.
TEST(FileRead, DanglingLinkIsAFailure)
{
    TempDir dir;
    std::filesystem::create_symlink(dir / "gone.xml", dir / "f");
    const auto result = readFileForParsing(dir / "f");
    EXPECT_EQ(result.status, FileReadResult::Status::Failed);
    EXPECT_NE(result.reason.find("link"), std::string::npos) << result.reason;
}

TEST(FileRead, RefusesFilesAboveTheCap)
{
    TempDir dir;
    writeFixture(dir / "f", std::string(11, 'x'));
    EXPECT_TRUE(readFileForParsing(dir / "f", 11).ok());
    const auto result = readFileForParsing(dir / "f", 10);
    EXPECT_EQ(result.status, FileReadResult::Status::Failed);
    EXPECT_NE(result.reason.find("10"), std::string::npos) << result.reason;
}

// Files that cannot be opened or read, whoever runs the tests (root reads anything on disk).
TEST(FileRead, UnreadableFileFailsWithTheSystemsReason)
{
    TempDir dir;
    writeFixture(dir / "f", "content");
    struct Case {
        const char* name;
        FileSystemCalls calls;
        int error;
    };
    for (const Case& c :
         {Case{"open", test::openingFails(dir / "f", EACCES), EACCES}, Case{"read", test::readingFails(EIO), EIO}}) {
        SCOPED_TRACE(c.name);
        const ScopedFileSystemCalls faulty(c.calls);
        const auto result = readFileForParsing(dir / "f");
        EXPECT_EQ(result.status, FileReadResult::Status::Failed);
        EXPECT_EQ(result.reason, std::strerror(c.error));
        EXPECT_TRUE(result.bytes.empty());
    }
    EXPECT_TRUE(readFileForParsing(dir / "f").ok());
}

} // namespace
} // namespace birch

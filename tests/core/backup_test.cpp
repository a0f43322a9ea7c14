#include "common/Backup.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

using test::readAll;
using test::TempDir;
using test::writeFixture;

TEST(Backup, MissingFileNeedsNone)
{
    TempDir dir;
    const auto result = keepBackup(dir / "ParGen.xml");
    EXPECT_TRUE(result.ok());
    EXPECT_FALSE(result.backup.has_value());
}

TEST(Backup, NextFreeNameAndNeverOverwritten)
{
    TempDir dir;
    const auto file = dir / "ParGen.xml";
    for (const std::string content : {"first", "second", "third"}) {
        writeFixture(file, content);
        ASSERT_TRUE(keepBackup(file).ok());
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(readAll(dir / "ParGen.xml.bak"), "first");
    EXPECT_EQ(readAll(dir / "ParGen.xml.bak.1"), "second");
    EXPECT_EQ(readAll(dir / "ParGen.xml.bak.2"), "third");

    writeFixture(file, "fourth");
    const auto result = keepBackup(file);
    ASSERT_TRUE(result.backup.has_value());
    EXPECT_EQ(*result.backup, dir / "ParGen.xml.bak.3");
}

TEST(Backup, NameTakenByAFolderIsSkipped)
{
    TempDir dir;
    writeFixture(dir / "a.xml", "x");
    std::filesystem::create_directory(dir / "a.xml.bak");
    const auto result = keepBackup(dir / "a.xml");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(*result.backup, dir / "a.xml.bak.1");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a.xml.bak"));
}

} // namespace
} // namespace birch

#include "lang/ShippedLanguages.h"

#include "FailingFileWriter.h"
#include "TempDir.h"
#include "common/FileRead.h"
#include "lang/ExtraTextNumbers.h"
#include "options/LanguageList.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

using test::readAll;
using test::TempDir;
using test::writeFixture;

// Installed files belong to root and are read-only to everyone else.
void installReadOnly(const std::filesystem::path& file, std::string_view bytes)
{
    writeFixture(file, bytes);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
}

TEST(ShippedLanguages, FirstStartCopiesEveryFileAndTheOptionsDialogListsThem)
{
    TempDir dir;
    installReadOnly(dir / "shipped" / "Deutsch.lng", "\xEF\xBB\xBFSTR13 = Optionen\n");
    installReadOnly(dir / "shipped" / "Deutsch.bmp", "BM flag");
    installReadOnly(dir / "shipped" / "DefaultFlag.bmp", "BM default");
    std::filesystem::create_directories(dir / "shipped" / "folder.lng");
    std::filesystem::create_directories(dir / "LANGUAGE");
    AtomicFileWriter writer;

    EXPECT_TRUE(Copy_Shipped_Languages(dir / "shipped", dir / "LANGUAGE", writer).empty());

    EXPECT_EQ(readAll(dir / "LANGUAGE" / "Deutsch.lng"), "\xEF\xBB\xBFSTR13 = Optionen\n");
    EXPECT_EQ(readAll(dir / "LANGUAGE" / "Deutsch.bmp"), "BM flag");
    EXPECT_EQ(readAll(dir / "LANGUAGE" / "DefaultFlag.bmp"), "BM default");
    EXPECT_FALSE(std::filesystem::exists(dir / "LANGUAGE" / "folder.lng"));
    // The copies are the user's own, so the read-only rule of the list does not hide them.
    EXPECT_EQ(Create_Lang_List(dir / "LANGUAGE"), std::vector<std::string>{"Deutsch.lng"});
}

TEST(ShippedLanguages, NameAlreadyTakenIsNeverReplaced)
{
    TempDir dir;
    writeFixture(dir / "shipped" / "Deutsch.lng", "shipped German");
    writeFixture(dir / "shipped" / "Italiano.lng", "shipped Italian");
    writeFixture(dir / "shipped" / "Francais.lng", "shipped French");
    writeFixture(dir / "LANGUAGE" / "Deutsch.lng", "the user's German");
    std::filesystem::create_symlink(dir / "nowhere", dir / "LANGUAGE" / "Francais.lng");
    AtomicFileWriter writer;

    EXPECT_TRUE(Copy_Shipped_Languages(dir / "shipped", dir / "LANGUAGE", writer).empty());
    EXPECT_TRUE(Copy_Shipped_Languages(dir / "shipped", dir / "LANGUAGE", writer).empty());

    EXPECT_EQ(readAll(dir / "LANGUAGE" / "Deutsch.lng"), "the user's German");
    EXPECT_EQ(readAll(dir / "LANGUAGE" / "Italiano.lng"), "shipped Italian");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "LANGUAGE" / "Francais.lng"));
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));
}

TEST(ShippedLanguages, NoShippedFolderCopiesNothing)
{
    TempDir dir;
    test::FailingFileWriter writer;
    EXPECT_TRUE(Copy_Shipped_Languages(dir / "missing", dir / "LANGUAGE", writer).empty());
    EXPECT_TRUE(Copy_Shipped_Languages({}, dir / "LANGUAGE", writer).empty());
    EXPECT_TRUE(writer.attempts.empty());
}

TEST(ShippedLanguages, EachFileThatCannotBeCopiedIsReportedAndTheOthersAreCopied)
{
    TempDir dir;
    writeFixture(dir / "shipped" / "Deutsch.lng", "STR13 = Optionen\n");
    writeFixture(dir / "shipped" / "Huge.lng", "STR13 = x\n");
    // Too large to be read, also for root.
    std::filesystem::resize_file(dir / "shipped" / "Huge.lng", kMaxParsedFileSize + 1);
    std::filesystem::create_directories(dir / "LANGUAGE");
    AtomicFileWriter writer;

    const auto notices = Copy_Shipped_Languages(dir / "shipped", dir / "LANGUAGE", writer);

    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].ext, ext::kFileCannotBeRead);
    EXPECT_EQ(notices[0].file, dir / "shipped" / "Huge.lng");
    EXPECT_FALSE(notices[0].reason.empty());
    EXPECT_EQ(readAll(dir / "LANGUAGE" / "Deutsch.lng"), "STR13 = Optionen\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "LANGUAGE" / "Huge.lng"));

    test::FailingFileWriter failing("disk full");
    std::filesystem::remove(dir / "LANGUAGE" / "Deutsch.lng");
    const auto writeNotices = Copy_Shipped_Languages(dir / "shipped", dir / "LANGUAGE", failing);
    ASSERT_EQ(writeNotices.size(), 2u);
    EXPECT_EQ(writeNotices[0].ext, ext::kFileCannotBeWritten);
    EXPECT_EQ(writeNotices[0].file, dir / "LANGUAGE" / "Deutsch.lng");
    EXPECT_EQ(writeNotices[0].reason, "disk full");
    EXPECT_EQ(writeNotices[1].ext, ext::kFileCannotBeRead);
}

} // namespace
} // namespace birch

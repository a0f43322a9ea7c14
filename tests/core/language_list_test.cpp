#include "options/LanguageList.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace birch {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeFixture;

void addLanguages(const TempDir& dir, int count)
{
    for (int i = 1; i <= count; ++i)
        writeFixture(dir / ("Lang" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".lng"), "STR0 = x\n");
}

TEST(LanguageList, TakesWritableRegularLngFilesSortedIgnoringCase)
{
    TempDir dir;
    for (const char* name :
         {"italiano.lng", "English.lng", "Deutsch.lng", "ENGLISH2.lng", "notes.txt", "x.LNG", "old.lng.bak", ".lng"})
        writeFixture(dir / name, "STR0 = x\n");
    fs::create_directory(dir / "folder.lng");
    fs::create_symlink(dir / "English.lng", dir / "Link.lng");
    writeFixture(dir / "Locked.lng", "STR0 = x\n");
    fs::permissions(dir / "Locked.lng", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    const std::vector<std::string> expected = {"Deutsch.lng", "English.lng", "ENGLISH2.lng", "italiano.lng"};
    EXPECT_EQ(Create_Lang_List(dir.path()), expected);
}

TEST(LanguageList, UnreadableFileIsSkipped)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TempDir dir;
    writeFixture(dir / "Secret.lng", "STR0 = x\n");
    writeFixture(dir / "Open.lng", "STR0 = x\n");
    fs::permissions(dir / "Secret.lng", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                    fs::perm_options::remove);
    EXPECT_EQ(Create_Lang_List(dir.path()), std::vector<std::string>{"Open.lng"});
}

TEST(LanguageList, MissingFolderGivesNoFiles)
{
    TempDir dir;
    EXPECT_TRUE(Create_Lang_List(dir / "missing").empty());
}

TEST(LanguageList, NameIsFileNameWithoutExtension)
{
    EXPECT_EQ(Language_Name("Italiano.lng"), "Italiano");
    EXPECT_EQ(Language_Choices({"A.lng", "b.lng"}), (std::vector<std::string>{"A", "b"}));
    // Without any file the built-in English is the one choice.
    EXPECT_EQ(Language_Choices({}), std::vector<std::string>{"English"});
}

struct PageCase {
    int files;
    int page;
    std::string label; // page and page count
    bool prev;
    bool next;
    std::vector<std::string> names;
};

TEST(LanguageList, PagesOfSix)
{
    const PageCase cases[] = {
        {0, 1, "1/1", false, false, {"English"}},
        {1, 1, "1/1", false, false, {"Lang01"}},
        {6, 1, "1/1", false, false, {"Lang01", "Lang02", "Lang03", "Lang04", "Lang05", "Lang06"}},
        {7, 1, "1/2", false, true, {"Lang01", "Lang02", "Lang03", "Lang04", "Lang05", "Lang06"}},
        {7, 2, "2/2", true, false, {"Lang07"}},
        {13, 1, "1/3", false, true, {"Lang01", "Lang02", "Lang03", "Lang04", "Lang05", "Lang06"}},
        {13, 2, "2/3", true, true, {"Lang07", "Lang08", "Lang09", "Lang10", "Lang11", "Lang12"}},
        {13, 3, "3/3", true, false, {"Lang13"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.files) + " files, page " + std::to_string(c.page));
        TempDir dir;
        addLanguages(dir, c.files);
        const auto list = Create_Lang_List(dir.path());
        EXPECT_EQ(static_cast<int>(list.size()), c.files);
        const LangPage page = Lang_Page(Language_Choices(list), c.page);
        EXPECT_EQ(std::to_string(page.page) + "/" + std::to_string(page.pageCount), c.label);
        EXPECT_EQ(page.prevVisible, c.prev);
        EXPECT_EQ(page.nextVisible, c.next);
        EXPECT_EQ(page.names, c.names);
    }
}

TEST(LanguageList, PageCountIsCountPlusFiveDivSix)
{
    for (const auto& [count, pages] : {std::pair{0, 0}, {1, 1}, {6, 1}, {7, 2}, {12, 2}, {13, 3}})
        EXPECT_EQ(Lang_Page_Count(count), pages) << count;
}

TEST(LanguageList, PictureFallsBackToDefaultFlagThenToNone)
{
    TempDir dir;
    EXPECT_TRUE(Lang_Pictures(dir.path(), "Italiano").empty());

    writeFixture(dir / "DefaultFlag.bmp", "BM");
    EXPECT_EQ(Lang_Pictures(dir.path(), "Italiano"), std::vector<fs::path>{dir / "DefaultFlag.bmp"});

    writeFixture(dir / "Italiano.bmp", "BM");
    EXPECT_EQ(Lang_Pictures(dir.path(), "Italiano"),
              (std::vector<fs::path>{dir / "Italiano.bmp", dir / "DefaultFlag.bmp"}));

    fs::remove(dir / "DefaultFlag.bmp");
    EXPECT_EQ(Lang_Pictures(dir.path(), "Italiano"), std::vector<fs::path>{dir / "Italiano.bmp"});
}

} // namespace
} // namespace birch

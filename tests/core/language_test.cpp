#include "lang/Language.h"

#include "TempDir.h"
#include "common/FileRead.h"
#include "lang/ExtraTextNumbers.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

using test::TempDir;
using test::writeFixture;

class LanguageTest : public testing::Test {
protected:
    LanguageTest()
    {
        state.AppDir = dir.path();
        state.LanguageDir = dir / "LANGUAGE";
        std::filesystem::create_directory(state.LanguageDir);
    }
    void language(const std::string& name, const std::string& bytes)
    {
        writeFixture(state.LanguageDir / (name + ".lng"), bytes);
    }
    static std::vector<std::string> defaults()
    {
        TextList table;
        Load_Default_Texts(table);
        return table.entries();
    }

    TempDir dir;
    AppState state;
};

TEST_F(LanguageTest, FileOverlaysOnlyTheEntriesItNames)
{
    language("Italiano", "; Italian texts\r\nSTR13 = Opzioni\r\nSTR13 = Opzioni del programma\r\n");
    state.LanguageName = "Italiano";
    EXPECT_FALSE(Load_Language(state).has_value());
    EXPECT_EQ(state.LanguageName, "Italiano");
    auto expected = defaults();
    expected[13] = "Opzioni del programma";
    EXPECT_EQ(state.TextTable.entries(), expected);
}

TEST_F(LanguageTest, EveryLoadStartsFromTheDefaults)
{
    language("Deutsch", "STR12 = Information (de)\nSTR13 = Optionen\nEXT1 = Nicht lesbar: \n");
    language("Italiano", "STR13 = Opzioni\n");
    state.LanguageName = "Deutsch";
    Load_Language(state);
    ASSERT_EQ(state.Extra[ext::kFileCannotBeRead], "Nicht lesbar:");

    state.LanguageName = "Italiano";
    Load_Language(state);
    auto expected = defaults();
    expected[13] = "Opzioni";
    EXPECT_EQ(state.TextTable.entries(), expected);
    EXPECT_EQ(state.Extra[ext::kFileCannotBeRead], ExtraTexts()[ext::kFileCannotBeRead]);
}

TEST_F(LanguageTest, MissingFileFallsBackToEnglish)
{
    state.LanguageName = "Klingon";
    EXPECT_FALSE(Load_Language(state).has_value());
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(state.TextTable.entries(), defaults());
}

TEST_F(LanguageTest, FallbackUsesEnglishFileWhenPresent)
{
    language("English", "STR13 = Settings\n");
    state.LanguageName = "Klingon";
    Load_Language(state);
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(state.TextTable[13], "Settings");
}

TEST_F(LanguageTest, FolderNamedLikeALanguageFileIsNoLanguageFile)
{
    language("English", "STR13 = Settings\n");
    std::filesystem::create_directory(state.LanguageDir / "Deutsch.lng");
    state.LanguageName = "Deutsch";
    EXPECT_FALSE(Load_Language(state).has_value());
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(state.TextTable[13], "Settings");

    // Nor is a folder in place of English.lng: the built-in texts stay, without a message.
    std::filesystem::remove(state.LanguageDir / "English.lng");
    std::filesystem::create_directory(state.LanguageDir / "English.lng");
    state.LanguageName = "Deutsch";
    EXPECT_FALSE(Load_Language(state).has_value());
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(state.TextTable.entries(), defaults());
}

TEST_F(LanguageTest, UnreadableFileLeavesTheCompleteDefaultsAndIsReported)
{
    language("Deutsch", "STR13 = Optionen\n");
    state.LanguageName = "Deutsch";
    Load_Language(state);
    // Too large to be read, also for root.
    language("Broken", "STR13 = Kaputt\n");
    std::filesystem::resize_file(state.LanguageDir / "Broken.lng", kMaxParsedFileSize + 1);
    state.LanguageName = "Broken";

    const auto notice = Load_Language(state);

    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->ext, ext::kFileCannotBeRead);
    EXPECT_EQ(notice->file, state.LanguageDir / "Broken.lng");
    EXPECT_FALSE(notice->reason.empty());
    EXPECT_EQ(state.LanguageName, "Broken");
    EXPECT_EQ(state.TextTable.entries(), defaults());
}

TEST_F(LanguageTest, FileOfCommentsOnlyIsFine)
{
    language("Empty", "Only comments here\n/#/ and here\n\n");
    state.LanguageName = "Empty";
    EXPECT_FALSE(Load_Language(state).has_value());
    EXPECT_EQ(state.TextTable.entries(), defaults());
}

TEST_F(LanguageTest, SwitchLoadsTheChosenLanguageAndKeepsTheStoredName)
{
    language("Italiano", "STR13 = Opzioni\n");
    EXPECT_FALSE(Switch_Language(state, "Italiano").has_value());
    EXPECT_EQ(state.TextTable[13], "Opzioni");
    EXPECT_EQ(state.LanguageName, "English");

    state.LanguageName = "Italiano";
    Switch_Language(state, "Klingon");
    EXPECT_EQ(state.TextTable[13], "Options");
    EXPECT_EQ(state.LanguageName, "Italiano");
}

struct EncodedFile {
    std::string name;
    std::string bytes;
};

class LanguageEncodingTest : public LanguageTest, public testing::WithParamInterface<EncodedFile> {};

// Each file sets entry 13 to "Più…" with a kept trailing blank and entry 14 to "Fine".
TEST_P(LanguageEncodingTest, DecodesEveryEncodingAndLineEnd)
{
    language("Test", GetParam().bytes);
    state.LanguageName = "Test";
    ASSERT_FALSE(Load_Language(state).has_value());
    EXPECT_EQ(state.TextTable[13], "Pi\xC3\xB9\xE2\x80\xA6 ");
    EXPECT_EQ(state.TextTable[14], "Fine");
    EXPECT_EQ(state.TextTable[15], "New Configuration");
}

std::string utf16le(const std::string& ascii, bool bigEndian)
{
    std::string out = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
    for (const char c : ascii) {
        std::string unit = std::string(1, c) + std::string(1, '\0');
        if (c == '@') // stands for ù
            unit = "\xF9" + std::string(1, '\0');
        else if (c == '~') // stands for …
            unit = "\x26\x20";
        else if (c == '$') // stands for ¶
            unit = "\xB6" + std::string(1, '\0');
        out += bigEndian ? std::string{unit[1], unit[0]} : unit;
    }
    return out;
}

const std::string kUtf8Lines = "STR13 = \xC2\xB6Pi\xC3\xB9\xE2\x80\xA6 \xC2\xB6\nSTR14 = Fine\n";

INSTANTIATE_TEST_SUITE_P(
    Encodings, LanguageEncodingTest,
    testing::Values(EncodedFile{"Utf8Bom", "\xEF\xBB\xBF" + kUtf8Lines},
                    EncodedFile{"Utf16Le", utf16le("STR13 = $Pi@~ $\r\nSTR14 = Fine\r\n", false)},
                    EncodedFile{"Utf16Be", utf16le("STR13 = $Pi@~ $\r\nSTR14 = Fine\r\n", true)},
                    EncodedFile{"Windows1252CrLf", "STR13 = \xB6Pi\xF9\x85 \xB6\r\nSTR14 = Fine\r\n"},
                    EncodedFile{"Windows1252CrOnly", "STR13 = \xB6Pi\xF9\x85 \xB6\rSTR14 = Fine"},
                    EncodedFile{"Windows1252LfOnly", "STR13 = \xB6Pi\xF9\x85 \xB6\nSTR14 = Fine\n"}),
    [](const testing::TestParamInfo<EncodedFile>& info) { return info.param.name; });

TEST_F(LanguageTest, Windows1252LettersOfWesternLanguages)
{
    language("Francais", "STR13 = Param\xE8tres\n");
    state.LanguageName = "Francais";
    Load_Language(state);
    EXPECT_EQ(state.TextTable[13], "Param\xC3\xA8tres");
}

TEST_F(LanguageTest, LoadLanguageFileReportsMissingAndUnreadable)
{
    TextList table;
    ExtraTexts extra;
    EXPECT_EQ(Load_Language_File(table, extra, dir / "none.lng").status, LanguageFileResult::Status::Missing);
    EXPECT_EQ(Load_Language_File(table, extra, dir.path()).status, LanguageFileResult::Status::Unreadable);
}

} // namespace
} // namespace birch

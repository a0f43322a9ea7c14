#include "lang/LanguageFile.h"

#include "lang/DefaultTexts.h"
#include "lang/LanguageFileText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace birch {
namespace {

using Table = LanguageLine::Table;

struct LineCase {
    std::string line; // UTF-8, as decoded from a file
    std::optional<LanguageLine> expected;
};

class LanguageLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LanguageLineTest, FollowsTheEntryRules)
{
    EXPECT_EQ(parseLanguageLine(GetParam().line), GetParam().expected) << GetParam().line;
}

LanguageLine str(int number, std::string text)
{
    return {Table::Texts, number, std::move(text)};
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, LanguageLineTest,
    testing::Values(LineCase{"STR13 = Opzioni", str(13, "Opzioni")},
                    LineCase{"STR304 = \xC2\xB6Lingua selezionata : \xC2\xB6", str(304, "Lingua selezionata : ")},
                    LineCase{"STR13 = Opzioni /#/ main window hint", str(13, "Opzioni")},
                    LineCase{"STR13= Opzioni", str(1, "Opzioni")}, LineCase{"STR7= Passo", std::nullopt},
                    LineCase{"STR13 = \xC2\xB6", str(13, "")}, LineCase{"STR13 =", std::nullopt},
                    LineCase{"str13 = Opzioni", std::nullopt}, LineCase{"STR1600 = x", std::nullopt},
                    // Further edges of the same rules.
                    LineCase{" \t STR13 = Opzioni \t", str(13, "Opzioni")},
                    LineCase{"STR  13  = Opzioni", str(13, "Opzioni")}, LineCase{"STR0 = x", str(0, "x")},
                    LineCase{"STR0= x", std::nullopt}, LineCase{"STR0  = Inizio", str(0, "Inizio")},
                    LineCase{"STR1599 = Fine", str(1599, "Fine")}, LineCase{"STR-1 = x", std::nullopt},
                    LineCase{"STR+1 = x", std::nullopt}, LineCase{"STR1a = x", std::nullopt},
                    LineCase{"STR13 Opzioni", std::nullopt}, LineCase{"STR= x", std::nullopt},
                    LineCase{"STR13 = a = b", str(13, "a = b")}, LineCase{"STR13 = /#/ only a comment", std::nullopt},
                    LineCase{"STR13 = \xC2\xB6 /#/ c", str(13, "")},
                    LineCase{"STR13 = \xC2\xB6 a \xC2\xB6 b \xC2\xB6", str(13, " a ")},
                    LineCase{"STR13 = a\xC2\xB6", str(13, "a")}, LineCase{"STR13 = a /#/ b /#/ c", str(13, "a")},
                    // A multi-byte character right before "=" is never part of the number.
                    LineCase{"STR13\xC3\xA8= x", str(13, "x")}, LineCase{"/#/ STR13 = commented out", std::nullopt},
                    LineCase{"", std::nullopt},
                    LineCase{"EXT1 = \xC2\xB6"
                             "Datei: \xC2\xB6",
                             LanguageLine{Table::Extra, 1, "Datei: "}},
                    LineCase{"EXT1= x", std::nullopt}, LineCase{"ext1 = x", std::nullopt},
                    LineCase{"EXT2000 = beyond the text table",
                             LanguageLine{Table::Extra, 2000, "beyond the text table"}}));

TEST(LanguageFile, LinesEndAtCrLfLfOrCr)
{
    const auto lines = splitLines("a\r\nb\nc\rd\r\n\re");
    EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b", "c", "d", "", "e"}));
    EXPECT_TRUE(splitLines("").empty());
}

std::string utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(LanguageFile, ByteOrderMarkSelectsTheEncoding)
{
    const std::string expected = "STR13 = \xC2\xB6Lingua \xC3\xA8 \xF0\x9F\x98\x80 \xC2\xB6";
    EXPECT_EQ(decodeLanguageBytes("\xEF\xBB\xBF" + expected), expected);
    const std::u16string text = u"STR13 = \u00B6Lingua \u00E8 \U0001F600 \u00B6";
    EXPECT_EQ(decodeLanguageBytes(utf16(text, false)), expected);
    EXPECT_EQ(decodeLanguageBytes(utf16(text, true)), expected);
}

TEST(LanguageFile, WithoutMarkTheBytesAreWindows1252)
{
    // 0x85 is an ellipsis there, not a line end; 0xE8 is e grave; 0xB6 the pilcrow.
    EXPECT_EQ(decodeLanguageBytes("STR13 = \xB6Pi\xE8\x85 \xB6"), "STR13 = \xC2\xB6Pi\xC3\xA8\xE2\x80\xA6 \xC2\xB6");
}

TEST(LanguageFile, MalformedSequencesBecomeReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(decodeLanguageBytes("\xEF\xBB\xBFok\xFF\xC3"), "ok" + replacement + replacement);
    EXPECT_EQ(decodeLanguageBytes("\xEF\xBB\xBF\xED\xA0\x80"), replacement + replacement + replacement);
    // A lone surrogate and an odd trailing byte in UTF-16.
    EXPECT_EQ(decodeLanguageBytes(std::string("\xFF\xFE\x00\xD8"
                                              "A\x00x",
                                              7)),
              replacement + "A" + replacement);
}

TEST(LanguageFile, OverlayAppliesLinesInOrderToBothTables)
{
    TextList table;
    Load_Default_Texts(table);
    ExtraTexts extra;
    overlayLanguageText("STR13 = Primo\rSTR13 = Secondo\rSTR38 = Nuovo\rEXT1 = Estratto\rEXT9999 = ignorato\r"
                        "comment line\r",
                        table, extra);
    EXPECT_EQ(table[13], "Secondo");
    EXPECT_EQ(table[38], "Nuovo") << "an entry that is blank in English can get a text";
    EXPECT_EQ(table[12], "Information");
    EXPECT_EQ(extra[1], "Estratto");
    EXPECT_EQ(extra[9999], "");
}

// A translator starts from the written file, so it must read back to exactly the texts it was made
// from: blanks at the ends, empty texts and "=" inside a text included.
TEST(LanguageFileText, ReadsBackToTheSameTexts)
{
    TextList table;
    Load_Default_Texts(table);
    ExtraTexts extra;
    table.set(9, "Keine Konfiguration ");
    table.set(13, "");
    table.set(306, " / ");
    table.set(14, "a = b");
    table.set(15, "\tTab");
    extra.set(1, " Datei: ");

    const std::string written = languageFileText(table, extra);
    ASSERT_EQ(written.rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 with a byte-order mark";

    TextList read;
    Load_Default_Texts(read);
    read.set(0, "changed before reading");
    ExtraTexts readExtra;
    overlayLanguageText(decodeLanguageBytes(written), read, readExtra);
    for (const DefaultText& entry : kDefaultTexts)
        EXPECT_EQ(read[entry.number], table[entry.number]) << entry.number;
    for (const int number : ExtraTexts::numbers())
        EXPECT_EQ(readExtra[number], extra[number]) << number;
}

} // namespace
} // namespace birch

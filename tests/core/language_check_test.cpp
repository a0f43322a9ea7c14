#include "lang/LanguageCheck.h"

#include "lang/ExtraTexts.h"
#include "lang/LanguageFileText.h"
#include "lang/TextList.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace birch {
namespace {

// A finding expected on a line: the line and a part of its message.
using Expected = std::pair<int, std::string>;

struct CheckCase {
    const char* name;
    std::string bytes;
    std::vector<Expected> findings; // those with a line; the missing texts are not compared here
};

// The pilcrow is UTF-8 here, so the file needs its mark.
const std::string kBom = "\xEF\xBB\xBF";

void PrintTo(const CheckCase& c, std::ostream* out)
{
    *out << c.name;
}

class LanguageCheckLineTest : public testing::TestWithParam<CheckCase> {};

TEST_P(LanguageCheckLineTest, ReportsWhatTheTranslatorShouldLookAt)
{
    const LanguageCheck check = checkLanguageFile(GetParam().bytes);
    std::vector<LanguageFinding> withLine;
    for (const LanguageFinding& finding : check.findings)
        if (finding.line > 0)
            withLine.push_back(finding);
    ASSERT_EQ(withLine.size(), GetParam().findings.size()) << (withLine.empty() ? "" : withLine[0].message);
    for (std::size_t i = 0; i < withLine.size(); ++i) {
        EXPECT_EQ(withLine[i].line, GetParam().findings[i].first) << withLine[i].message;
        EXPECT_NE(withLine[i].message.find(GetParam().findings[i].second), std::string::npos) << withLine[i].message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LanguageCheckLineTest,
    testing::Values(
        CheckCase{"LowerCasePrefix", "STR12 = Informazioni\nstr13 = Opzioni\n", {{2, "capital letters"}}},
        CheckCase{"MixedCasePrefixWithBlank", "Ext 1 = Il file: \n", {{1, "capital letters"}}},
        CheckCase{"WordsThatOnlyBeginLikeAPrefix", "Strings and Extra texts follow\n/#/ str13 = x\n", {}},
        CheckCase{"NoEquals", "STR13 Opzioni\n", {{1, "no \"=\""}}},
        CheckCase{"DigitBeforeEqualsLeavesNoNumber", "STR7= Passo\n", {{1, "the \"7\" right before \"=\""}}},
        CheckCase{"DigitBeforeEqualsSetsAnotherText", "STR13= Opzioni\n", {{1, "sets text 1: the \"3\""}}},
        CheckCase{"NumberAboveTheTable", "STR1600 = x\n", {{1, "out of range"}}},
        CheckCase{"NegativeExtraNumber", "EXT-1 = x\n", {{1, "out of range"}}},
        CheckCase{"NoText", "STR13 =\nSTR14 = /#/ only a comment\n", {{1, "no text"}, {2, "no text"}}},
        CheckCase{"UnknownExtraText", "EXT9999 = x\n", {{1, "there is no extra text 9999"}}},
        CheckCase{"TextWithoutEnglish", "STR38 = Nuovo\n", {{1, "text 38 has no English text"}}},
        CheckCase{"SetTwice",
                  "STR13 = Opzioni\r\n/#/\r\nSTR13 = Impostazioni\r\n",
                  {{3, "text 13 is set again (first at line 1)"}}},
        CheckCase{"TrailingBlankLost",
                  "STR9 = Nessuna configurazione aperta\n",
                  {{1, "text 9 ends with no blank (English: 1 blank)"}}},
        CheckCase{"BothBlanksLost",
                  "STR306 = /\n",
                  {{1, "begins with no blank (English: 1 blank) and ends with no blank (English: 1 blank)"}}},
        CheckCase{"BlankAddedAtTheStart", kBom + "STR13 = \xC2\xB6 Opzioni\xC2\xB6\n", {{1, "begins with 1 blank"}}},
        CheckCase{"ExtraTextBlankLost", "EXT1 = Il file non si legge:\n", {{1, "extra text 1 ends with no blank"}}},
        CheckCase{"FramedBlanksKept",
                  kBom +
                      "STR9 = \xC2\xB6Nessuna configurazione aperta \xC2\xB6\nSTR306 = \xC2\xB6 / \xC2\xB6 /#/ page\n",
                  {}},
        CheckCase{"MadeEmpty", kBom + "STR13 = \xC2\xB6\n", {{1, "text 13 is made empty"}}},
        CheckCase{"CarriageReturnsEndLines", "STR13 = a\rstr14 = b\r\n\rSTR306 = /", {{2, "capital"}, {4, "blank"}}},
        CheckCase{"InvalidUtf8AfterTheMark", "\xEF\xBB\xBFSTR13 = a\nSTR14 = b\xFF\n", {{2, "not valid UTF-8"}}},
        CheckCase{"Utf8WithoutTheMark",
                  "STR13 = Opzioni\nSTR14 = Schlie\xC3\x9F"
                  "en\n",
                  {{2, "no byte-order mark, so it is read as Windows-1252, but it is UTF-8: \"\xC3\x9F\" would "
                       "show as \"\xC3\x83\xC5\xB8\""}}},
        CheckCase{"Windows1252WithoutTheMark",
                  "STR14 = Schlie\xDF"
                  "en\n",
                  {}},
        CheckCase{
            "Utf16LittleEndian", std::string("\xFF\xFEs\0t\0r\0001\0003\0 \0=\0 \0x\0\n\0", 22), {{1, "capital"}}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(LanguageCheck, NamesTheEncodingItReadsIn)
{
    EXPECT_EQ(checkLanguageFile("\xEF\xBB\xBFSTR13 = a").encoding, LanguageEncoding::Utf8);
    EXPECT_EQ(checkLanguageFile("\xFF\xFE").encoding, LanguageEncoding::Utf16LittleEndian);
    EXPECT_EQ(checkLanguageFile("\xFE\xFF").encoding, LanguageEncoding::Utf16BigEndian);
    EXPECT_EQ(checkLanguageFile("STR13 = a").encoding, LanguageEncoding::Windows1252);
}

std::string englishFile()
{
    TextList table;
    Load_Default_Texts(table);
    return languageFileText(table, ExtraTexts());
}

TEST(LanguageCheck, TheProgramsOwnEnglishFileIsComplete)
{
    const LanguageCheck check = checkLanguageFile(englishFile());
    EXPECT_FALSE(check.needsAttention()) << check.findings.front().message;
    EXPECT_EQ(check.textsSet, 686);
    EXPECT_EQ(check.textsExpected, 686);
    EXPECT_EQ(check.extraExpected, static_cast<int>(ExtraTexts::numbers().size()));
    EXPECT_EQ(check.extraSet, check.extraExpected);
}

TEST(LanguageCheck, MissingTextsComeLastWithTheirEnglishText)
{
    std::string file = englishFile();
    for (const std::string line : {"STR13 = Options\n", "EXT1 = \xC2\xB6The file cannot be read: \xC2\xB6\n"}) {
        const std::size_t at = file.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        file.erase(at, line.size());
    }
    file += "str14 = x\n";

    const LanguageCheck check = checkLanguageFile(file);

    ASSERT_EQ(check.findings.size(), 3u);
    EXPECT_GT(check.findings[0].line, 0);
    EXPECT_EQ(check.findings[1].line, 0);
    EXPECT_EQ(check.findings[1].message, "text 13 is missing (English: \"Options\")");
    EXPECT_EQ(check.findings[2].line, 0);
    EXPECT_EQ(check.findings[2].message, "extra text 1 is missing (English: \"The file cannot be read: \")");
    EXPECT_EQ(check.textsSet, 685);
    EXPECT_EQ(check.extraSet, check.extraExpected - 1);
}

} // namespace
} // namespace birch

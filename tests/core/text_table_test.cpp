#include "lang/ExtraTexts.h"
#include "lang/TextList.h"

#include "lang/ExtraTextNumbers.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace birch {
namespace {

TextList defaults()
{
    TextList table;
    Load_Default_Texts(table);
    return table;
}

TEST(TextTable, HasSixteenHundredEntriesOf686EnglishTexts)
{
    const TextList table = defaults();
    ASSERT_EQ(table.entries().size(), 1600u);
    const auto blanks = std::count(table.entries().begin(), table.entries().end(), " ");
    EXPECT_EQ(blanks, 1600 - 686);
    EXPECT_EQ(std::count(table.entries().begin(), table.entries().end(), ""), 0);
}

TEST(TextTable, KeepsTheBlanksThatJoinedMessagesNeed)
{
    const TextList table = defaults();
    EXPECT_EQ(table[0], "Begin");
    EXPECT_EQ(table[9], "None Configuration Opened ");
    EXPECT_EQ(table[11], "Opened Configuration of the Converter : ");
    EXPECT_EQ(table[304], "Selected Language : ");
    EXPECT_EQ(table[305], "Page ");
    EXPECT_EQ(table[306], " / ");
    EXPECT_EQ(table[316], "Do you want to change the Language from ");
    EXPECT_EQ(table[317], " to ");
    EXPECT_EQ(table[38], " ") << "first unused number of the main window's block";
    EXPECT_EQ(table[1599], " ");
}

TEST(TextTable, LoadingDefaultsDiscardsEarlierTexts)
{
    TextList table = defaults();
    table.set(13, "Opzioni");
    table.set(38, "Extra");
    Load_Default_Texts(table);
    EXPECT_EQ(table.entries(), defaults().entries());
}

TEST(TextTable, NumbersOutsideTheTableAreBlankAndIgnored)
{
    TextList table = defaults();
    table.set(1600, "x");
    table.set(-1, "x");
    EXPECT_EQ(table[1600], " ");
    EXPECT_EQ(table[-1], " ");
    EXPECT_EQ(table.entries(), defaults().entries());
}

TEST(ExtraTexts, EnglishDefaultsOverlaidAndReset)
{
    ExtraTexts extra;
    const std::string english = extra[ext::kFileCannotBeRead];
    EXPECT_FALSE(english.empty());
    EXPECT_TRUE(ExtraTexts::known(ext::kFileCannotBeRead));

    extra.set(ext::kFileCannotBeRead, "Datei nicht lesbar: ");
    EXPECT_EQ(extra[ext::kFileCannotBeRead], "Datei nicht lesbar: ");
    extra.reset();
    EXPECT_EQ(extra[ext::kFileCannotBeRead], english);
}

TEST(ExtraTexts, UnknownNumbersStayEmpty)
{
    ExtraTexts extra;
    EXPECT_FALSE(ExtraTexts::known(0));
    extra.set(0, "x");
    EXPECT_EQ(extra[0], "");
}

} // namespace
} // namespace birch

namespace birch {
namespace {

// Translators work from docs/extra-texts.md: every product message must stand there with its
// exact English text.
TEST(ExtraTexts, EveryMessageIsListedForTranslators)
{
    const std::string docs = test::readAll(std::filesystem::path(BIRCH_SOURCE_ROOT) / "docs" / "extra-texts.md");
    ASSERT_FALSE(docs.empty());
    const ExtraTexts extra;
    for (const int number : ExtraTexts::numbers()) {
        const std::string row = "| " + std::to_string(number) + " | \"" + extra[number] + "\" |";
        EXPECT_NE(docs.find(row), std::string::npos) << "missing row: " << row;
    }
}

} // namespace
} // namespace birch

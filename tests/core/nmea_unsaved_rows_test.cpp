#include "lang/ExtraTexts.h"
#include "nmea/RuleMessages.h"
#include "nmea/UnsavedRows.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace birch {
namespace {

TNMEA0183_Rule rule(const char* sentence)
{
    TNMEA0183_Rule r;
    r.Serial_Channel = "RS232";
    r.Sentence = sentence;
    r.DataField = "hour [decimal]";
    r.PortOperation = "None";
    r.Position = "1";
    return r;
}

struct Case {
    const char* label;
    std::function<void(RuleTable&)> fill;
    std::optional<UnsavedRows> unsaved;
};

// Rows 1 and 2 hold rules in every case; what follows decides.
TEST(UnsavedRows, RuleTableRowsBelowTheFirstRowWithoutASentence)
{
    const Case cases[] = {
        {"nothing below", [](RuleTable&) {}, std::nullopt},
        {"a full table", [](RuleTable& t) { t.fill(rule("ZDA")); }, std::nullopt},
        {"rules below a gap",
         [](RuleTable& t) {
             t[3] = rule("DPT");
             t[99] = rule("GGA");
         },
         UnsavedRows{3, {4, 100}}},
        {"a sentence of blanks ends the file",
         [](RuleTable& t) {
             t[2] = rule(" \t");
             t[3] = rule("DPT");
         },
         UnsavedRows{3, {4}}},
        {"a row below with only a mnemonic", [](RuleTable& t) { t[5].Mnemonic = "Depth"; }, UnsavedRows{3, {6}}},
        {"a row below with only a position", [](RuleTable& t) { t[5].Position = "4"; }, UnsavedRows{3, {6}}},
        {"a row below with only an index", [](RuleTable& t) { t[5].Index = "2"; }, UnsavedRows{3, {6}}},
        {"a row below with only blanks", [](RuleTable& t) { t[5].Mnemonic = "  "; }, std::nullopt},
        {"a row below with only its boxes changed",
         [](RuleTable& t) {
             t[5].Enable = false;
             t[5].SwapAll = true;
             t[5].Swap16 = true;
         },
         std::nullopt},
        {"text in the row without a sentence itself", [](RuleTable& t) { t[2].Mnemonic = "Depth"; }, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RuleTable rules{};
        rules[0] = rule("ZDA");
        rules[1] = rule("MTW");
        c.fill(rules);
        EXPECT_EQ(rowsNotSaved(rules), c.unsaved);
    }
}

TEST(UnsavedRows, FirstGenerationListRowsBelowTheFirstRowWithoutASentence)
{
    struct ListCase {
        const char* label;
        std::vector<firstgen::Rule> rows;
        std::optional<UnsavedRows> unsaved;
    };
    const firstgen::Rule gga{"Y", "GGA", "", "RS232", ""};
    const firstgen::Rule gap{"Y", "", "", "", ""};
    const ListCase cases[] = {
        {"no gap", {gga, gga}, std::nullopt},
        {"a rule below a gap", {gga, gap, gap, gga}, UnsavedRows{2, {4}}},
        {"a channel below a gap", {gap, {"Y", "", "", "RS485 2", ""}}, UnsavedRows{1, {2}}},
        {"a mnemonic below a gap", {gga, gap, {"Y", "", "", "", "Fix"}}, UnsavedRows{2, {3}}},
        {"only Enable changed below a gap", {gga, gap, {"N", "", "", "", ""}}, std::nullopt},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.label);
        firstgen::RuleTable rules{};
        std::copy(c.rows.begin(), c.rows.end(), rules.begin());
        EXPECT_EQ(rowsNotSaved(rules), c.unsaved);
    }
}

TEST(UnsavedRows, QuestionNamesTheRowWithoutASentenceAndTheRowsLeftOut)
{
    const ExtraTexts extra;
    EXPECT_EQ(rowsNotSavedQuestion(extra, UnsavedRows{3, {4, 7, 100}}),
              "The rules are saved down to the first row without a sentence, row 3. These rows below it are not "
              "empty and will not be saved: 4, 7, 100. Save without them?");
    EXPECT_EQ(rowsNotSavedQuestion(extra, UnsavedRows{1, {2}}),
              "The rules are saved down to the first row without a sentence, row 1. These rows below it are not "
              "empty and will not be saved: 2. Save without them?");
}

} // namespace
} // namespace birch

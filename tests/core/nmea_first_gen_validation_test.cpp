#include "lang/TextList.h"
#include "nmea/Catalog.h"
#include "nmea/FirstGenChannels.h"
#include "nmea/FirstGenGrid.h"
#include "nmea/FirstGenValidation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace birch::firstgen {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

TextList englishTexts()
{
    TextList texts;
    Load_Default_Texts(texts);
    return texts;
}

Rule rule(const char* enable, const char* sentence, const char* index, const char* channel)
{
    return {enable, sentence, index, channel, ""};
}

RuleTable table(const std::vector<Rule>& rows)
{
    RuleTable rules{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rules[i] = rows[i];
    return rules;
}

TEST(FirstGenChannels, GetSerialChannelNamesTheFirstRs485PortOneWay)
{
    struct Case {
        const char* text;
        const char* channel;
    };
    const Case cases[] = {
        {"RS485 / RS422", "RS485 / RS422"},
        {"RS485 1", "RS485 / RS422"},
        {" rs485 1\t", "RS485 / RS422"},
        {"rs485 / rs422", "RS485 / RS422"},
        {"RS232", "RS232"},
        {" rs232 ", " rs232 "},
        {"RS485 2", "RS485 2"},
        {"RS485  1", "RS485  1"},
        {"", ""},
        {"COM1", "COM1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get_Serial_Channel(c.text), c.channel) << '"' << c.text << '"';
}

TEST(FirstGenChannels, CheckSerialTakesTheExactNamesOfOfferedChannels)
{
    EXPECT_TRUE(Check_Serial("RS232", kEnable_Serial));
    EXPECT_TRUE(Check_Serial("RS485 / RS422", kEnable_Serial));
    EXPECT_TRUE(Check_Serial("RS485 2", kEnable_Serial));
    for (const char* text : {"", "rs232", " RS232", "RS485 1", "RS485", "COM1"})
        EXPECT_FALSE(Check_Serial(text, kEnable_Serial)) << '"' << text << '"';
    EXPECT_FALSE(Check_Serial("RS485 2", 0b011));
    EXPECT_TRUE(Check_Serial("RS485 2", 0b100));
}

TEST(FirstGenValidation, FirstFailureOfEachKind)
{
    struct Case {
        const char* label;
        std::vector<Rule> rows;
        std::optional<Failure> failure;
    };
    const Rule gga = rule("Y", "GGA", "", "RS232");
    const Case cases[] = {
        {"valid rules pass",
         {gga, rule("Y", "XDR", "1", "RS232"), rule("Y", "XDR", "10", "RS232"), rule("Y", "$PJELA", "10", "RS485 2"),
          rule("Y", " gga ", "", " rs485 / rs422 ")},
         std::nullopt},
        {"an empty list passes", {}, std::nullopt},
        {"unknown sentence", {gga, rule("Y", "FOO", "", "RS232")}, Failure{2, 624, std::nullopt, Column::Sentence}},
        {"a catalog name not offered passes", {rule("Y", "BWC", "", "RS232")}, std::nullopt},
        {"$PJELA index 11", {rule("Y", "$PJELA", "11", "RS232")}, Failure{1, 630, std::nullopt, Column::Index}},
        {"XDR index 0", {rule("Y", "XDR", "0", "RS232")}, Failure{1, 630, std::nullopt, Column::Index}},
        {"XDR index empty", {rule("Y", "xdr", "", "RS232")}, Failure{1, 630, std::nullopt, Column::Index}},
        {"XDR index not a number", {rule("Y", "XDR", "abc", "RS232")}, Failure{1, 630, std::nullopt, Column::Index}},
        {"XDR index with a blank", {rule("Y", "XDR", " 5", "RS232")}, Failure{1, 630, std::nullopt, Column::Index}},
        {"GSV index is not checked", {rule("Y", "GSV", "99", "RS232")}, std::nullopt},
        {"unknown channel", {rule("Y", "GGA", "", "COM1")}, Failure{1, 625, std::nullopt, Column::SerialChannel}},
        {"empty channel", {rule("Y", "GGA", "", "")}, Failure{1, 625, std::nullopt, Column::SerialChannel}},
        {"old name of the first RS485 port",
         {rule("Y", "GGA", "", "RS485 1")},
         Failure{1, 625, std::nullopt, Column::SerialChannel}},
        {"sentence before index and channel",
         {rule("Y", "FOO", "", "COM1")},
         Failure{1, 624, std::nullopt, Column::Sentence}},
        {"index before channel", {rule("Y", "XDR", "11", "COM1")}, Failure{1, 630, std::nullopt, Column::Index}},
        {"the first row failing wins",
         {rule("Y", "GGA", "", "COM1"), rule("Y", "FOO", "", "RS232")},
         Failure{1, 625, std::nullopt, Column::SerialChannel}},
        {"disabled rows are skipped", {rule("N", "FOO", "", "COM1"), gga}, std::nullopt},
        {"Enable other than Y is skipped", {rule("y", "FOO", "", ""), rule("yes", "FOO", "", ""), gga}, std::nullopt},
        {"Enable Y with blanks is checked",
         {rule(" Y ", "FOO", "", "RS232")},
         Failure{1, 624, std::nullopt, Column::Sentence}},
        {"rows after the first empty sentence are not checked",
         {gga, rule("Y", " ", "", "RS232"), rule("Y", "FOO", "", "COM1"), gga},
         std::nullopt},
        {"two GGA on RS232", {gga, rule("Y", "ZDA", "", "RS232"), gga}, Failure{1, 626, 3, Column::Sentence}},
        {"two GGA, one disabled", {gga, rule("N", "GGA", "", "RS232")}, std::nullopt},
        {"equal when trimmed and upper-cased",
         {gga, rule("Y", " gga", "", "RS232 ")},
         Failure{1, 626, 2, Column::Sentence}},
        {"GGA on two channels", {gga, rule("Y", "GGA", "", "RS485 2")}, std::nullopt},
        {"XDR with two indexes", {rule("Y", "XDR", "1", "RS232"), rule("Y", "XDR", "2", "RS232")}, std::nullopt},
        {"XDR with one index twice",
         {rule("Y", "XDR", "2", "RS232"), rule("Y", "xdr", "2", "RS232")},
         Failure{1, 626, 2, Column::Sentence}},
        {"an index left in a GGA row does not tell it apart",
         {gga, rule("Y", "GGA", "3", "RS232")},
         Failure{1, 626, 2, Column::Sentence}},
        {"row checks come before equal rules",
         {gga, gga, rule("Y", "FOO", "", "RS232")},
         Failure{3, 624, std::nullopt, Column::Sentence}},
        {"the first pair by its first row",
         {rule("Y", "ZDA", "", "RS232"), gga, gga, rule("Y", "ZDA", "", "RS232")},
         Failure{1, 626, 4, Column::Sentence}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Controllo_dati(catalog(), table(c.rows)), c.failure);
    }
}

TEST(FirstGenValidation, MessagesStartWithTheRowAndNameTheSecondRow)
{
    const TextList texts = englishTexts();
    EXPECT_EQ(failureText(texts, Failure{3, 624, std::nullopt, Column::Sentence}),
              "Error row 3!! Sentence must be valid. Select from List");
    EXPECT_EQ(failureText(texts, Failure{1, 630, std::nullopt, Column::Index}),
              "Error row 1!! Index Must be Between 1 and 10");
    EXPECT_EQ(failureText(texts, Failure{2, 625, std::nullopt, Column::SerialChannel}),
              "Error row 2!! Serial Channel must be valid. Select from List");
    EXPECT_EQ(failureText(texts, Failure{1, 626, 7, Column::Sentence}),
              "Error row 1!! Sentence and Serial Channel cannot be equal. See rows 7");
}

} // namespace
} // namespace birch::firstgen

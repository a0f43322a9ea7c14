#include "TempDir.h"

#include "lang/TextList.h"
#include "nmea/Catalog.h"
#include "nmea/IndexSentences.h"
#include "nmea/PostOperationText.h"
#include "nmea/PostOperations.h"
#include "nmea/RuleGrid.h"
#include "nmea/RulePosition.h"
#include "nmea/RuleValidation.h"
#include "nmea/SerialChannels.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace birch {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

using Channels = std::vector<std::string>;

struct ChannelCase {
    const char* label;
    std::optional<std::string> parGen; // nothing: no ParGen.xml
    Channels offered;
};

const std::string kAllEnabled = "<RS232_ENABLE>1</RS232_ENABLE><RS485_1_ENABLE>1</RS485_1_ENABLE>"
                                "<RS485_2_ENABLE>1</RS485_2_ENABLE>";

std::string parGen(const std::string& keys)
{
    return "<Par_Gen>" + keys + "</Par_Gen><!--SW_VERSION = 1.101-->";
}

TEST(NmeaSerialChannels, OfferedChannelsFollowParGen)
{
    const Channels all = {"RS232", "RS485 / RS422", "RS485 2"};
    const ChannelCase cases[] = {
        {"no ParGen.xml", std::nullopt, all},
        {"slave on RS485 1",
         parGen(kAllEnabled + "<MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL>"),
         {"RS232", "RS485 2"}},
        {"slave on RS485 2",
         parGen(kAllEnabled + "<MODBUS_SLAVE_SERIAL>2</MODBUS_SLAVE_SERIAL>"),
         {"RS232", "RS485 / RS422"}},
        {"slave key missing", parGen(kAllEnabled), {"RS485 / RS422", "RS485 2"}},
        {"slave not a number",
         parGen(kAllEnabled + "<MODBUS_SLAVE_SERIAL>abc</MODBUS_SLAVE_SERIAL>"),
         {"RS485 / RS422", "RS485 2"}},
        {"slave with a blank",
         parGen(kAllEnabled + "<MODBUS_SLAVE_SERIAL> 2</MODBUS_SLAVE_SERIAL>"),
         {"RS485 / RS422", "RS485 2"}},
        {"slave out of range", parGen(kAllEnabled + "<MODBUS_SLAVE_SERIAL>3</MODBUS_SLAVE_SERIAL>"), all},
        {"slave negative", parGen(kAllEnabled + "<MODBUS_SLAVE_SERIAL>-1</MODBUS_SLAVE_SERIAL>"), all},
        {"RS485 2 enable missing",
         parGen("<RS232_ENABLE>1</RS232_ENABLE><RS485_1_ENABLE>1</RS485_1_ENABLE>"
                "<MODBUS_SLAVE_SERIAL>0</MODBUS_SLAVE_SERIAL>"),
         {"RS485 / RS422", "RS485 2"}},
        {"RS485 1 disabled",
         parGen("<RS232_ENABLE>1</RS232_ENABLE><RS485_1_ENABLE>0</RS485_1_ENABLE><RS485_2_ENABLE>1</RS485_2_ENABLE>"
                "<MODBUS_SLAVE_SERIAL>2</MODBUS_SLAVE_SERIAL>"),
         {"RS232"}},
        {"only exact 0 withdraws",
         parGen("<RS232_ENABLE/><RS485_1_ENABLE>false</RS485_1_ENABLE><RS485_2_ENABLE> 0</RS485_2_ENABLE>"
                "<MODBUS_SLAVE_SERIAL>7</MODBUS_SLAVE_SERIAL>"),
         all},
        {"all disabled",
         parGen("<RS232_ENABLE>0</RS232_ENABLE><RS485_1_ENABLE>0</RS485_1_ENABLE>"
                "<RS485_2_ENABLE>0</RS485_2_ENABLE><MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL>"),
         {}},
        {"root of another name",
         "<Other>" + kAllEnabled + "<MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL></Other>",
         {"RS232", "RS485 2"}},
        {"comment first: no key found",
         "<!--x-->" + parGen(kAllEnabled + "<MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL>"),
         {"RS485 / RS422", "RS485 2"}},
        {"cannot be parsed", "<Par_Gen><RS232_ENABLE>0</Par_Gen>", all},
        {"empty file", "", all},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        test::TempDir dir;
        const auto file = dir / "ParGen.xml";
        if (c.parGen)
            test::writeFixture(file, *c.parGen);
        EXPECT_EQ(SerialChannel_SL(Enable_Serial(file)), c.offered);
    }
}

TEST(NmeaSerialChannels, GetSerialChannelAcceptsOnlyOfferedNamesExactly)
{
    const Channels offered = {"RS232", "RS485 2"};
    EXPECT_EQ(Get_Serial_Channel("RS232", offered), "RS232");
    EXPECT_EQ(Get_Serial_Channel("RS485 / RS422", offered), "");
    EXPECT_EQ(Get_Serial_Channel("rs232", offered), "");
    EXPECT_EQ(Get_Serial_Channel("RS485 1", offered), "");
    EXPECT_EQ(Get_Serial_Channel("", offered), "");
}

TEST(NmeaPostOperations, PositionAndAcceptance)
{
    EXPECT_EQ(GetIndexPostOperation("None"), 0);
    EXPECT_EQ(GetIndexPostOperation(": 10"), 1);
    EXPECT_EQ(GetIndexPostOperation(": 10000"), 4);
    EXPECT_EQ(GetIndexPostOperation("x 10"), 5);
    EXPECT_EQ(GetIndexPostOperation("x 10000"), 8);
    EXPECT_EQ(GetIndexPostOperation("X 10"), 0);
    EXPECT_EQ(GetIndexPostOperation(""), 0);
    EXPECT_EQ(Get_PostOperatin("x 100"), "x 100");
    EXPECT_EQ(Get_PostOperatin(":10"), "");
    EXPECT_EQ(Get_PostOperatin("none"), "");
}

TEST(NmeaIndexSentences, OnlyTheIndexSentencesCarryAnIndex)
{
    std::vector<std::string> withIndex;
    for (const auto& entry : catalog().NMEA0183_Sentences())
        if (isIndexSentence(catalog(), entry.Name))
            withIndex.emplace_back(entry.Name);
    EXPECT_EQ(withIndex, (std::vector<std::string>{"GSV", "XDR", "$PJELA", "$VTHA0", "$VTHA1", "$VTHA2", "$VTHA3",
                                                   "$VTHA4", "$VTHA5", "$VTHS0"}));
}

TNMEA0183_Rule rule(const std::string& sentence, const std::string& field, const std::string& position = "",
                    bool enable = true)
{
    TNMEA0183_Rule r;
    r.Enable = enable;
    r.Serial_Channel = "RS232";
    r.Sentence = sentence;
    r.DataField = field;
    r.PortOperation = "None";
    r.Position = position;
    return r;
}

TEST(NmeaRulePosition, ChoosingSentencesFillsPositionsAfterTheRowsAbove)
{
    RuleTable rules{};
    rules[0] = rule("ZDA", "hour [decimal]");
    Set_Position(catalog(), rules, 1, "ZDA", "hour [decimal]");
    EXPECT_EQ(rules[0].Position, "1");
    rules[1] = rule("DPT", "Water depth relative to transducer, meters [floating point]");
    Set_Position(catalog(), rules, 2, rules[1].Sentence, rules[1].DataField);
    EXPECT_EQ(rules[1].Position, "2");
    rules[2] = rule("ZDA", "year [decimal]", "999");
    Set_Position(catalog(), rules, 3, "ZDA", "year [decimal]");
    EXPECT_EQ(rules[2].Position, "6");
}

TEST(NmeaRulePosition, SkipsRowsThatDoNotQualify)
{
    RuleTable rules{};
    rules[0] = rule("DPT", "Offset from transducer [floating point]", "10");
    rules[1] = rule("ZDA", "year [decimal]", "100", false);            // disabled
    rules[2] = rule("", "", "200");                                    // empty
    rules[3] = rule("NOPE", "hour [decimal]", "300");                  // not in the catalog
    rules[4] = rule("ZDA", "Offset from transducer [floating point]"); // field of another sentence
    EXPECT_EQ(Get_Last_Position(catalog(), rules, 6), 14);
    EXPECT_EQ(Get_Last_Position(catalog(), rules, 1), 0);
    EXPECT_EQ(Get_Last_Position(catalog(), rules, 2), 14);

    // The data field is compared upper-cased, and a Position that is not a number counts as 0.
    rules[0] = rule("DPT", "OFFSET FROM TRANSDUCER [floating point]", "x");
    EXPECT_EQ(Get_Last_Position(catalog(), rules, 6), 4);
    rules[0].Enable = false;
    EXPECT_EQ(Get_Last_Position(catalog(), rules, 6), 0);
}

TEST(NmeaRulePosition, SizeOneAndThreeShiftByOne)
{
    struct Case {
        const char* sentence;
        const char* field;
        const char* expected;
    };
    const Case cases[] = {
        {"DTM", "Local datum code [string of 3 characters]", "5"},
        {"ZDA", "minutes [decimal]", "5"},
        {"ZDA", "year [decimal]", "4"},
        {"DPT", "Offset from transducer [floating point]", "4"},
        {"XDR", "Transducer ID [character string] (20 characters)", "4"},
        {"NOPE", "minutes [decimal]", "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        RuleTable rules{};
        rules[0] = rule("DPT", "Offset from transducer [floating point]", "0");
        Set_Position(catalog(), rules, 2, c.sentence, c.field);
        EXPECT_EQ(rules[1].Position, c.expected);
    }
}

TEST(NmeaRulePosition, HugePositionDoesNotOverflow)
{
    RuleTable rules{};
    rules[0] = rule("DPT", "Offset from transducer [floating point]", "2147483647");
    Set_Position(catalog(), rules, 2, "ZDA", "hour [decimal]");
    EXPECT_EQ(rules[1].Position, "2147483652");
}

struct ValidationCase {
    const char* label;
    TNMEA0183_Rule rule;
    std::optional<int> message; // nothing: passes
};

TNMEA0183_Rule with(TNMEA0183_Rule r, const std::string& index)
{
    r.Index = index;
    return r;
}

TEST(NmeaRuleValidation, EachRuleKind)
{
    TNMEA0183_Rule noField = rule("ZDA", " ", "1");
    TNMEA0183_Rule noPost = rule("ZDA", "hour [decimal]", "1");
    noPost.PortOperation = " ";
    TNMEA0183_Rule noChannel = rule("ZDA", "hour [decimal]", "1");
    noChannel.Serial_Channel.clear();
    TNMEA0183_Rule gsvBadIndexNoPost = with(rule("GSV", "Sentence number [decimal]", "1"), "");
    gsvBadIndexNoPost.PortOperation.clear();

    const ValidationCase cases[] = {
        {"GSV sentence number 10", with(rule("GSV", "Sentence number [decimal]", "1"), "10"), 1045},
        {"GSV sentence number 9", with(rule("GSV", "Sentence number [decimal]", "1"), "9"), std::nullopt},
        {"GSV satellite 36", with(rule("GSV", "Satellite ID number [decimal]", "1"), "36"), std::nullopt},
        {"GSV satellite 37", with(rule("GSV", "Satellite ID number [decimal]", "1"), "37"), 1044},
        {"GSV elevation 0", with(rule("GSV", "Elevation, degrees, 90o maximum [decimal]", "1"), "0"), 1044},
        {"GSV SNR empty", with(rule("GSV", "SNR (C/No) 00-99 dB-Hz, null when not tracking [decimal]", "1"), ""), 1044},
        {"GSV field picked upper-cased, trimmed", with(rule("GSV", " sentence number [DECIMAL] ", "1"), "10"), 1045},
        {"GSV signal ID, empty index", with(rule("GSV", "Signal ID [decimal]", "1"), ""), std::nullopt},
        {"GSV total sentences, any index", with(rule("GSV", "Total number of sentences [decimal]", "1"), "x"),
         std::nullopt},
        {"XDR abc", with(rule("XDR", "Transducer type [character]", "1"), "abc"), 1042},
        {"XDR 10", with(rule("XDR", "Transducer type [character]", "1"), "10"), std::nullopt},
        {"XDR 11", with(rule("XDR", "Transducer type [character]", "1"), "11"), 1042},
        {"PJELA 51", with(rule("$PJELA", "Alarm [character]", "1"), "51"), 1043},
        {"PJELA 50", with(rule("$PJELA", "Alarm [character]", "1"), "50"), std::nullopt},
        {"VTHS0 33", with(rule("$VTHS0", "Alarm, Value [decimal]", "1"), "33"), 1046},
        {"VTHA0 1", with(rule("$VTHA0", "Alarm, Value [decimal]", "1"), "1"), std::nullopt},
        {"ZDA ignores its index", with(rule("ZDA", "hour [decimal]", "1"), "abc"), std::nullopt},
        {"index before the other checks", gsvBadIndexNoPost, 1045},
        {"no data field", noField, 1036},
        {"no post-operation", noPost, 1037},
        {"position 2000", rule("ZDA", "hour [decimal]", "2000"), 1038},
        {"position 1999", rule("ZDA", "hour [decimal]", "1999"), std::nullopt},
        {"position 0", rule("ZDA", "hour [decimal]", "0"), std::nullopt},
        {"position empty", rule("ZDA", "hour [decimal]", ""), 1038},
        {"position -1", rule("ZDA", "hour [decimal]", "-1"), 1038},
        {"position with a blank", rule("ZDA", "hour [decimal]", " 5"), 1038},
        {"empty serial channel", noChannel, std::nullopt},
        {"disabled row", rule("ZDA", "", "", false), std::nullopt},
        {"blank sentence", rule("  ", "", ""), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RuleTable rules{};
        rules[3] = c.rule;
        const auto failure = Controllo_dati(catalog(), rules);
        if (c.message) {
            ASSERT_TRUE(failure.has_value());
            EXPECT_EQ(failure->row, 4);
            EXPECT_EQ(failure->message, *c.message);
        } else {
            EXPECT_EQ(failure, std::nullopt);
        }
    }
}

// A failure names the cell the user has to correct.
TEST(NmeaRuleValidation, FailureNamesTheRefusedCell)
{
    TNMEA0183_Rule noField = rule("ZDA", "", "1");
    noField.PortOperation.clear();
    TNMEA0183_Rule noPost = rule("ZDA", "hour [decimal]", "");
    noPost.PortOperation.clear();
    struct Case {
        const char* label;
        TNMEA0183_Rule rule;
        int column;
    };
    const Case cases[] = {
        {"GSV index", with(rule("GSV", "Sentence number [decimal]", "x"), "10"), RuleColumn::Index},
        {"XDR index", with(rule("XDR", "", ""), ""), RuleColumn::Index},
        {"data field", noField, RuleColumn::DataField},
        {"post-operation", noPost, RuleColumn::PostOpe},
        {"position", rule("ZDA", "hour [decimal]", "2000"), RuleColumn::Position},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RuleTable rules{};
        rules[0] = rule("ZDA", "hour [decimal]", "1");
        rules[6] = c.rule;
        const auto failure = Controllo_dati(catalog(), rules);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->row, 7);
        EXPECT_EQ(failure->column, c.column);
    }
}

TEST(NmeaRuleValidation, MessageNamesTheFirstFailingRow)
{
    TextList texts;
    Load_Default_Texts(texts);
    RuleTable rules{};
    rules[0] = rule("ZDA", "hour [decimal]", "1");
    rules[2] = rule("ZDA", "hour [decimal]", "2000");
    rules[4] = rule("ZDA", "", "3");
    const auto failure = Controllo_dati(catalog(), rules);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failureText(texts, *failure), "Error row 3!! Position Must be Between 0 and 2000");
    rules[2].Position = "5";
    const auto next = Controllo_dati(catalog(), rules);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(failureText(texts, *next), "Error row 5!! Data Field Must be Selected");
    const RuleFailure index{12, 1045, {}, RuleColumn::Index};
    EXPECT_EQ(failureText(texts, index), "Error row 12!! Index Must be Between 1 and 9");
}

} // namespace
} // namespace birch

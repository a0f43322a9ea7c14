#include "FailingFileWriter.h"
#include "FileFaults.h"
#include "TempDir.h"

#include "lang/ExtraTexts.h"
#include "nmea/Catalog.h"
#include "nmea/RuleFile.h"
#include "nmea/RuleMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace birch {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

const std::vector<std::string> kAllChannels = {"RS232", "RS485 / RS422", "RS485 2"};
const std::filesystem::path kFixtures = std::filesystem::path(BIRCH_FIXTURES_DIR) / "rules";

TNMEA0183_Rule rule(bool enable, const char* channel, const char* sentence, const char* index, const char* field,
                    const char* post, bool swapAll, bool swap16, const char* position, const char* mnemonic)
{
    return {enable, channel, sentence, index, field, post, swapAll, swap16, position, mnemonic};
}

TEST(NmeaRuleFile, WritesTheDocumentedForm)
{
    RuleTable rules{};
    EXPECT_EQ(ruleDocument(rules), "<NMEA_0183><NMEA_Listener/></NMEA_0183><!--SW_VERSION = 1.101-->");
    rules[0] = rule(true, "RS232", "ZDA", "", "hour [decimal]", "None", false, false, "1", "Hour & \"tag\"");
    rules[1] = rule(false, "", "XDR", "3", "Measurement data [floating point]", "x 10", true, false, "", "");
    EXPECT_EQ(
        ruleDocument(rules),
        "<NMEA_0183><NMEA_Listener>"
        "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"ZDA\" Index=\"\" DataField=\"hour [decimal]\" "
        "PortOperation=\"None\" SwapAll=\"N\" Swap16=\"N\" Position=\"1\" Mnemonic=\"Hour &amp; &quot;tag&quot;\"/>"
        "<row Enable=\"N\" Serial_Channel=\"\" Sentence=\"XDR\" Index=\"3\" "
        "DataField=\"Measurement data [floating point]\" PortOperation=\"x 10\" SwapAll=\"Y\" Swap16=\"N\" "
        "Position=\"\" Mnemonic=\"\"/>"
        "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.101-->");
}

TEST(NmeaRuleFile, SavingStopsAtTheFirstRowWithoutSentence)
{
    RuleTable rules{};
    rules[0] = rule(true, "RS232", "ZDA", "", "hour [decimal]", "None", false, false, "1", "first");
    rules[1].Sentence = "  ";
    rules[2] = rule(true, "RS232", "ZDA", "", "day [decimal]", "None", false, false, "2", "third");
    const std::string document = ruleDocument(rules);
    EXPECT_NE(document.find("first"), std::string::npos);
    EXPECT_EQ(document.find("third"), std::string::npos);
}

TEST(NmeaRuleFile, SavedTableLoadsBack)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    RuleTable rules{};
    rules[0] = rule(true, "RS232", "ZDA", "", "hour [decimal]", "None", false, false, "1", "Hour");
    rules[1] = rule(true, "RS485 / RS422", "GSV", "12", "Satellite ID number [decimal]", ": 100", true, true, "2",
                    "Sat \u00b0 <12>");
    rules[2] = rule(false, "", "XDR", "x", "", "", false, true, "any", "disabled");
    rules[3] = rule(true, "RS485 2", "VWT", "",
                    "Calculated wind angle relative to the vessel, 0 to 180\u00b0, Number "
                    "[floating point]",
                    "x 10000", false, false, "1999", "");
    AtomicFileWriter writer;
    ASSERT_TRUE(saveRuleFile(file, rules, writer, false).ok());
    const RuleFileLoad load = loadRuleFile(file, catalog(), kAllChannels);
    EXPECT_EQ(load.status, RuleFileLoad::Status::Ok);
    EXPECT_EQ(load.notLoaded, 0u);
    for (std::size_t i = 0; i < kRuleRows; ++i)
        EXPECT_EQ(load.rules[i], rules[i]) << "row " << i + 1;
}

TEST(NmeaRuleFile, ValuesNotOfferedLoadAsEmptyCells)
{
    const RuleFileLoad load = loadRuleFile(kFixtures / "odd_values.xml", catalog(), kAllChannels);
    ASSERT_EQ(load.status, RuleFileLoad::Status::Ok);
    EXPECT_EQ(load.rules[0], rule(true, "", "", " 7", "", "", false, true, " 3 ", " a & b "));
    EXPECT_EQ(load.rules[1], rule(false, "RS485 / RS422", "GGA", "", "", "x 10000", false, false, "", ""));
    EXPECT_EQ(load.rules[2], rule(true, "", "", "", "", "", false, false, "", ""));
    EXPECT_EQ(load.rules[3], rule(true, "", "", "", "", "None", false, false, "", ""));
    EXPECT_EQ(load.rules[4], TNMEA0183_Rule{});
}

TEST(NmeaRuleFile, ANonElementChildFillsARowWithTheFallbacks)
{
    const auto first = rule(true, "RS232", "ZDA", "", "hour [decimal]", "None", false, false, "1", "Hour");
    const auto third =
        rule(false, "RS485 2", "DPT", "", "Offset from transducer [floating point]", ": 10", true, true, "2", "Offset");
    const RuleFileLoad load = loadRuleFile(kFixtures / "comment_child.xml", catalog(), kAllChannels);
    ASSERT_EQ(load.status, RuleFileLoad::Status::Ok);
    EXPECT_EQ(load.rules[0], first);
    EXPECT_EQ(load.rules[1], rule(true, "RS232", "", "", "", "None", false, false, "", ""));
    EXPECT_EQ(load.rules[2], third);

    // The fallback channel is RS232 only while RS232 is offered.
    const RuleFileLoad withoutRs232 = loadRuleFile(kFixtures / "comment_child.xml", catalog(), {"RS485 2"});
    EXPECT_EQ(withoutRs232.rules[0].Serial_Channel, "");
    EXPECT_EQ(withoutRs232.rules[1].Serial_Channel, "");
    EXPECT_EQ(withoutRs232.rules[2].Serial_Channel, "RS485 2");
}

TEST(NmeaRuleFile, MoreRulesThanRowsLoadTheFirstHundredAndSaySo)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    std::string bytes = "<NMEA_0183><NMEA_Listener>";
    for (int i = 1; i <= 103; ++i)
        bytes += "<row Sentence=\"ZDA\" Mnemonic=\"" + std::to_string(i) + "\"/>";
    test::writeFixture(file, bytes + "</NMEA_Listener></NMEA_0183>");
    const RuleFileLoad load = loadRuleFile(file, catalog(), kAllChannels);
    EXPECT_EQ(load.status, RuleFileLoad::Status::Ok);
    EXPECT_FALSE(load.damaged());
    EXPECT_EQ(load.notLoaded, 3u);
    EXPECT_EQ(load.rules[99].Mnemonic, "100");
    EXPECT_EQ(
        loadMessage(ExtraTexts(), load, file),
        "The rule file holds more rules than the 100 rows of the table; rules not loaded: 3. OK will save the file "
        "without them: " +
            file.string());
}

TEST(NmeaRuleFile, UnusableFilesAreReportedOnceAndLoadNothing)
{
    test::TempDir dir;
    std::filesystem::create_directories(dir / "folder.xml");
    test::writeFixture(dir / "comment_first.xml",
                       "<!--x--><NMEA_0183><NMEA_Listener><row Sentence=\"ZDA\"/></NMEA_Listener></NMEA_0183>");
    struct Case {
        std::filesystem::path file;
        RuleFileLoad::Status status;
        std::string messageStart;
    };
    const Case cases[] = {
        {kFixtures / "no_listener.xml", RuleFileLoad::Status::NoListener,
         "The rule file has no NMEA_Listener element and no rule was loaded: "},
        {dir / "comment_first.xml", RuleFileLoad::Status::NoListener,
         "The rule file has no NMEA_Listener element and no rule was loaded: "},
        {kFixtures / "malformed.xml", RuleFileLoad::Status::Malformed, "The file is damaged and was not loaded: "},
        {dir / "folder.xml", RuleFileLoad::Status::Unreadable, "The file cannot be read: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        const RuleFileLoad load = loadRuleFile(c.file, catalog(), kAllChannels);
        EXPECT_EQ(load.status, c.status);
        EXPECT_TRUE(load.damaged());
        EXPECT_EQ(load.rules, RuleTable{});
        const auto message = loadMessage(ExtraTexts(), load, c.file);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->rfind(c.messageStart + c.file.string(), 0), 0u) << *message;
        EXPECT_NE(
            message->find("\nThe damaged file will be kept as a backup before it is replaced: " + c.file.string()),
            std::string::npos);
    }

    const RuleFileLoad missing = loadRuleFile(dir / "none.xml", catalog(), kAllChannels);
    EXPECT_EQ(missing.status, RuleFileLoad::Status::Missing);
    EXPECT_FALSE(missing.damaged());
    EXPECT_EQ(loadMessage(ExtraTexts(), missing, dir / "none.xml"), std::nullopt);
}

TEST(NmeaRuleFile, ADamagedFileIsKeptBeforeItIsReplaced)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    test::writeFixture(file, "<NMEA_0183><broken");
    test::writeFixture(dir / "NMEA_0183_Set_Access.xml.bak", "older backup");
    RuleTable rules{};
    rules[0].Sentence = "ZDA";
    AtomicFileWriter writer;
    ASSERT_TRUE(saveRuleFile(file, rules, writer, true).ok());
    EXPECT_EQ(test::readAll(dir / "NMEA_0183_Set_Access.xml.bak"), "older backup");
    EXPECT_EQ(test::readAll(dir / "NMEA_0183_Set_Access.xml.bak.1"), "<NMEA_0183><broken");
    EXPECT_EQ(test::readAll(file), ruleDocument(rules));
}

TEST(NmeaRuleFile, AFailedWriteIsReportedWithTheFile)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    test::FailingFileWriter writer("disk full");
    const RuleFileSave save = saveRuleFile(file, RuleTable{}, writer, false);
    EXPECT_EQ(save.status, RuleFileSave::Status::WriteFailed);
    EXPECT_EQ(writer.attempts, std::vector<std::filesystem::path>{file});
    EXPECT_EQ(saveMessage(ExtraTexts(), save, file), "The file cannot be written: " + file.string() + "\ndisk full");
}

TEST(NmeaRuleFile, NoWriteWhenTheDamagedFileCannotBeKept)
{
    test::TempDir dir;
    const auto project = dir / "project";
    const auto file = project / "NMEA_0183_Set_Access.xml";
    test::writeFixture(file, "<broken");
    FileSystemCalls calls = systemFileSystemCalls();
    calls.rename = test::failWith(EACCES);
    const ScopedFileSystemCalls renameRefused(calls);
    test::FailingFileWriter writer;
    const RuleFileSave save = saveRuleFile(file, RuleTable{}, writer, true);
    EXPECT_EQ(save.status, RuleFileSave::Status::BackupFailed);
    EXPECT_TRUE(writer.attempts.empty());
    EXPECT_EQ(
        saveMessage(ExtraTexts(), save, file)
            .rfind("The damaged rule file could not be kept as a backup and was not replaced: " + file.string(), 0),
        0u);
}

} // namespace
} // namespace birch

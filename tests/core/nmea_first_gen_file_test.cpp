#include "FailingFileWriter.h"
#include "TempDir.h"

#include "lang/ExtraTexts.h"
#include "nmea/Catalog.h"
#include "nmea/FirstGenFile.h"
#include "nmea/RuleFile.h"
#include "nmea/RuleMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace birch::firstgen {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

const std::filesystem::path kFixtures = std::filesystem::path(BIRCH_FIXTURES_DIR) / "rules";
const std::vector<std::string> kAllChannels = {"RS232", "RS485 / RS422", "RS485 2"};

Rule rule(const char* enable, const char* sentence, const char* index, const char* channel, const char* mnemonic)
{
    return {enable, sentence, index, channel, mnemonic};
}

std::string listFile(const std::string& rows)
{
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183>";
}

TEST(FirstGenFile, WritesTheFirstGenerationForm)
{
    RuleTable rules{};
    EXPECT_EQ(document(rules, catalog()), "<NMEA_0183><NMEA_Listener/></NMEA_0183><!--SW_VERSION = 1.007-->");
    rules[0] = rule("Y", "GGA", "", "RS232", "Fix & \"time\"");
    rules[1] = rule("N", "XDR", "3", "RS485 / RS422", "");
    rules[2] = rule("Y", "$PJELA", "10", "RS485 2", "alarm");
    EXPECT_EQ(document(rules, catalog()),
              "<NMEA_0183><NMEA_Listener>"
              "<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" "
              "Mnemonic=\"Fix &amp; &quot;time&quot;\"/>"
              "<row Enable=\"N\" Sentence=\"XDR\" Index=\"3\" Serial_Channel=\"RS485 / RS422\" Mnemonic=\"\"/>"
              "<row Enable=\"Y\" Sentence=\"$PJELA\" Index=\"10\" Serial_Channel=\"RS485 2\" Mnemonic=\"alarm\"/>"
              "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.007-->");
}

TEST(FirstGenFile, SavesAnIndexOnlyWhereTheSentenceTakesOne)
{
    struct Case {
        const char* sentence;
        const char* savedIndex;
    };
    // A text left in the read-only Index cell of another sentence is not saved.
    const Case cases[] = {{"XDR", "4"}, {"$PJELA", "4"}, {"xdr", "4"}, {"GSV", ""}, {"GGA", ""}, {"$VTHA0", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        RuleTable rules{};
        rules[0] = rule("Y", c.sentence, "4", "RS232", "");
        EXPECT_NE(document(rules, catalog()).find("Index=\"" + std::string(c.savedIndex) + "\""), std::string::npos);
    }
}

TEST(FirstGenFile, SavingStopsAtTheFirstRowWithoutSentence)
{
    RuleTable rules{};
    rules[0] = rule("Y", "GGA", "", "RS232", "first");
    rules[1] = rule("Y", " \t", "", "RS232", "second");
    rules[2] = rule("Y", "ZDA", "", "RS232", "third");
    const std::string saved = document(rules, catalog());
    EXPECT_NE(saved.find("first"), std::string::npos);
    EXPECT_EQ(saved.find("second"), std::string::npos);
    EXPECT_EQ(saved.find("third"), std::string::npos);
}

TEST(FirstGenFile, SavedListLoadsBack)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    RuleTable rules{};
    rules[0] = rule("Y", "GGA", "", "RS232", "Position fix");
    rules[1] = rule("N", "XDR", "7", "RS485 / RS422", " air \u00b0C <1> ");
    rules[2] = rule("Y", "$PJELA", "1", "RS485 2", "");
    rules[3] = rule("Y", "FOO", "", "COM9", "not checked on loading");
    AtomicFileWriter writer;
    ASSERT_TRUE(saveFile(file, rules, catalog(), writer, false).ok());
    const FileLoad load = loadFile(file, catalog());
    EXPECT_EQ(load.status, ListenerFileLoad::Status::Ok);
    EXPECT_EQ(load.notLoaded, 0u);
    for (std::size_t i = 0; i < kRows; ++i)
        EXPECT_EQ(load.rules[i], rules[i]) << "row " << i + 1;
}

TEST(FirstGenFile, LoadsValuesWithoutCheckingThem)
{
    struct Case {
        const char* label;
        std::string row;
        Rule loaded;
    };
    const Case cases[] = {
        {"channel RS485 1 takes the port's name", "<row Sentence=\"GGA\" Serial_Channel=\"RS485 1\"/>",
         rule("Y", "GGA", "", "RS485 / RS422", "")},
        {"the port's name loads unchanged", "<row Sentence=\"GGA\" Serial_Channel=\"RS485 / RS422\"/>",
         rule("Y", "GGA", "", "RS485 / RS422", "")},
        {"either name in other case, with blanks", "<row Sentence=\"GGA\" Serial_Channel=\" rs485 1 \"/>",
         rule("Y", "GGA", "", "RS485 / RS422", "")},
        {"other channels as read", "<row Sentence=\"GGA\" Serial_Channel=\" rs232 \"/>",
         rule("Y", "GGA", "", " rs232 ", "")},
        {"unknown channel as read", "<row Sentence=\"GGA\" Serial_Channel=\"COM3\"/>",
         rule("Y", "GGA", "", "COM3", "")},
        {"sentence trimmed, unknown kept", "<row Sentence=\" FOO \" Index=\"2\"/>", rule("Y", "FOO", "", "", "")},
        {"index trimmed for XDR", "<row Sentence=\" XDR \" Index=\" 12 \"/>", rule("Y", "XDR", "12", "", "")},
        {"index for $PJELA in other case", "<row Sentence=\"$pjela\" Index=\"x\"/>", rule("Y", "$pjela", "x", "", "")},
        {"no index for GSV", "<row Sentence=\"GSV\" Index=\"3\"/>", rule("Y", "GSV", "", "", "")},
        {"no index for $VTHA0", "<row Sentence=\"$VTHA0\" Index=\"3\"/>", rule("Y", "$VTHA0", "", "", "")},
        {"enable as read", "<row Enable=\" yes \" Sentence=\"GGA\"/>", rule(" yes ", "GGA", "", "", "")},
        {"enable N", "<row Enable=\"N\" Sentence=\"GGA\"/>", rule("N", "GGA", "", "", "")},
        {"enable empty", "<row Enable=\"\" Sentence=\"GGA\"/>", rule("", "GGA", "", "", "")},
        {"mnemonic as read", "<row Sentence=\"GGA\" Mnemonic=\" a &amp; b \"/>", rule("Y", "GGA", "", "", " a & b ")},
        {"an element with no attributes", "<anything/>", rule("Y", "", "", "", "")},
        {"a comment fills a row", "<!--note-->", rule("Y", "", "", "", "")},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto file = dir / "NMEA_0183_Set_Access.xml";
        test::writeFixture(file, listFile("<row Sentence=\"ZDA\" Mnemonic=\"first\"/>" + c.row));
        const FileLoad load = loadFile(file, catalog());
        ASSERT_EQ(load.status, ListenerFileLoad::Status::Ok);
        EXPECT_EQ(load.rules[0], rule("Y", "ZDA", "", "", "first"));
        EXPECT_EQ(load.rules[1], c.loaded);
        EXPECT_EQ(load.rules[2], Rule{});
    }
}

TEST(FirstGenFile, TheRuleEditorLoadsThisListWithEmptyFieldPostOperationAndPosition)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    RuleTable rules{};
    rules[0] = rule("Y", "GGA", "", "RS232", "Fix");
    rules[1] = rule("N", "XDR", "3", "RS485 2", "Air");
    AtomicFileWriter writer;
    ASSERT_TRUE(saveFile(file, rules, catalog(), writer, false).ok());

    const RuleFileLoad load = loadRuleFile(file, catalog(), kAllChannels);
    ASSERT_EQ(load.status, ListenerFileLoad::Status::Ok);
    EXPECT_EQ(load.rules[0], (TNMEA0183_Rule{true, "RS232", "GGA", "", "", "", false, false, "", "Fix"}));
    EXPECT_EQ(load.rules[1], (TNMEA0183_Rule{false, "RS485 2", "XDR", "3", "", "", false, false, "", "Air"}));
    EXPECT_EQ(load.rules[2], TNMEA0183_Rule{});
}

TEST(FirstGenFile, LoadsAFileTheRuleEditorWrote)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    birch::RuleTable rules{};
    rules[0] = {true, "RS485 / RS422", "ZDA", "", "hour [decimal]", "None", false, true, "1", "Hour"};
    rules[1] = {false, "RS485 2", "$PJELA", "12", "Alarm [character]", "x 10", true, false, "2", "Alarm"};
    rules[2] = {true, "RS232", "GSV", "5", "Satellite ID number [decimal]", "None", false, false, "3", "Sat"};
    AtomicFileWriter writer;
    ASSERT_TRUE(saveRuleFile(file, rules, writer, false).ok());

    const FileLoad load = loadFile(file, catalog());
    ASSERT_EQ(load.status, ListenerFileLoad::Status::Ok);
    EXPECT_EQ(load.rules[0], rule("Y", "ZDA", "", "RS485 / RS422", "Hour"));
    EXPECT_EQ(load.rules[1], rule("N", "$PJELA", "12", "RS485 2", "Alarm"));
    EXPECT_EQ(load.rules[2], rule("Y", "GSV", "", "RS232", "Sat"));
    EXPECT_EQ(load.rules[3], Rule{});
}

TEST(FirstGenFile, UnusableFilesLoadNothingAndAreReportedWithTheBackupNotice)
{
    test::TempDir dir;
    std::filesystem::create_directories(dir / "folder.xml");
    struct Case {
        std::filesystem::path file;
        ListenerFileLoad::Status status;
    };
    const Case cases[] = {
        {kFixtures / "no_listener.xml", ListenerFileLoad::Status::NoListener},
        {kFixtures / "malformed.xml", ListenerFileLoad::Status::Malformed},
        {dir / "folder.xml", ListenerFileLoad::Status::Unreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        const FileLoad load = loadFile(c.file, catalog());
        EXPECT_EQ(load.status, c.status);
        EXPECT_TRUE(load.damaged());
        EXPECT_EQ(load.rules, RuleTable{});
        const auto message = loadMessage(ExtraTexts(), load, c.file);
        ASSERT_TRUE(message.has_value());
        EXPECT_NE(
            message->find("\nThe damaged file will be kept as a backup before it is replaced: " + c.file.string()),
            std::string::npos);
    }
    const FileLoad missing = loadFile(dir / "none.xml", catalog());
    EXPECT_EQ(missing.status, ListenerFileLoad::Status::Missing);
    EXPECT_EQ(loadMessage(ExtraTexts(), missing, dir / "none.xml"), std::nullopt);
}

TEST(FirstGenFile, MoreRowsThanTheListLoadTheFirstHundredAndSaySo)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    std::string rows;
    for (int i = 1; i <= 101; ++i)
        rows += "<row Sentence=\"GGA\" Mnemonic=\"" + std::to_string(i) + "\"/>";
    test::writeFixture(file, listFile(rows));
    const FileLoad load = loadFile(file, catalog());
    EXPECT_EQ(load.status, ListenerFileLoad::Status::Ok);
    EXPECT_FALSE(load.damaged());
    EXPECT_EQ(load.notLoaded, 1u);
    EXPECT_EQ(load.rules[99].Mnemonic, "100");
    const auto message = loadMessage(ExtraTexts(), load, file);
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("rules not loaded: 1."), std::string::npos);
}

TEST(FirstGenFile, ADamagedFileIsKeptBeforeItIsReplaced)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    test::writeFixture(file, "<NMEA_0183><broken");
    RuleTable rules{};
    rules[0] = rule("Y", "GGA", "", "RS232", "");
    AtomicFileWriter writer;
    ASSERT_TRUE(saveFile(file, rules, catalog(), writer, true).ok());
    EXPECT_EQ(test::readAll(dir / "NMEA_0183_Set_Access.xml.bak"), "<NMEA_0183><broken");
    EXPECT_EQ(test::readAll(file), document(rules, catalog()));
}

TEST(FirstGenFile, NothingIsWrittenWhenTheDamagedFileCannotBeKept)
{
    test::TempDir dir;
    // The longest name a folder entry may have: its backup's name is too long, for every user.
    const auto file = dir / std::string(255, 'n');
    test::writeFixture(file, "<broken");
    test::FailingFileWriter writer;
    const ListenerFileSave save = saveFile(file, RuleTable{}, catalog(), writer, true);
    EXPECT_EQ(save.status, ListenerFileSave::Status::BackupFailed);
    EXPECT_TRUE(writer.attempts.empty());
    EXPECT_EQ(test::readAll(file), "<broken");
    EXPECT_EQ(
        saveMessage(ExtraTexts(), save, file)
            .rfind("The damaged rule file could not be kept as a backup and was not replaced: " + file.string(), 0),
        0u);
}

TEST(FirstGenFile, AFailedWriteIsReportedWithTheFile)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    test::FailingFileWriter writer("disk full");
    const ListenerFileSave save = saveFile(file, RuleTable{}, catalog(), writer, false);
    EXPECT_EQ(save.status, ListenerFileSave::Status::WriteFailed);
    EXPECT_EQ(saveMessage(ExtraTexts(), save, file), "The file cannot be written: " + file.string() + "\ndisk full");
}

} // namespace
} // namespace birch::firstgen

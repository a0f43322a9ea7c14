#include "FailingFileWriter.h"
#include "ImageTestData.h"
#include "TempDir.h"

#include "lang/ExtraTexts.h"
#include "nmea/Catalog.h"
#include "nmea/ObjectsMapFileName.h"
#include "nmea/ObjectsMapMessages.h"
#include "nmea/Save_Objects_Map.h"

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

const std::string kHeader = "Byte; Sentence; Field; Serial; Mnemonic;\r\n";

std::string row(const char* enable, const char* sentence, const char* channel, const char* mnemonic)
{
    return test::ruleRow(
        {{"Enable", enable}, {"Sentence", sentence}, {"Serial_Channel", channel}, {"Mnemonic", mnemonic}});
}

// A project folder with a rule file, and where the map goes.
struct Project {
    explicit Project(const std::string& rules) { test::writeFixture(ruleFile, rules); }
    Project() = default;

    ObjectsMapSave save()
    {
        AtomicFileWriter writer;
        return Save_Objects_Map(ruleFile, target, catalog(), writer);
    }

    test::TempDir dir;
    std::filesystem::path ruleFile = dir / "NMEA_0183_Set_Access.xml";
    std::filesystem::path target = dir / "map.csv";
};

TEST(ObjectsMapFile, ExactBytesInWindows1252WithCrLf)
{
    Project project(test::rulesXml({row("Y", "MTW", "RS232", "Temp"), row("N", "ZDA", "RS232", "off"),
                                    row("Y", "VWT", "RS485 2", "Vent \xC3\xA9")}));
    const ObjectsMapSave save = project.save();
    ASSERT_TRUE(save.ok()) << objectsMapMessage(ExtraTexts(), save).value_or("");
    EXPECT_EQ(save.file, project.target);
    const std::string vwt = ";VWT;Calculated ";
    const std::string tail = ";RS485 2;Vent \xE9;\r\n";
    EXPECT_EQ(test::readAll(project.target),
              kHeader +
                  "0-1-2-3;MTW;Water temperature, Number [floating point];RS232;Temp;\r\n"
                  "4;MTW;Water temperature, Unit [character];RS232;Temp;\r\n"
                  "5-6-7-8" +
                  vwt + "wind angle relative to the vessel, 0 to 180\xB0, Number [floating point]" + tail + "9" + vwt +
                  "left/right L/R of vessel heading, Unit [character]" + tail + "10-11-12-13" + vwt +
                  "wind speed, knots, Number [floating point]" + tail + "14" + vwt +
                  "wind speed, knots, Unit [character]" + tail + "15-16-17-18" + vwt +
                  "wind speed, meters/second, Number [floating point]" + tail + "19" + vwt +
                  "wind speed, meters/second, Unit [character]" + tail + "20-21-22-23" + vwt +
                  "wind speed, Km/h, Number [floating point]" + tail + "24" + vwt +
                  "wind speed, Km/h, Unit [character]" + tail);
}

TEST(ObjectsMapFile, XdrListsItsTwentyByteField)
{
    Project project(test::rulesXml({row("Y", "HDT", "RS232", ""), row("Y", "XDR", "RS232", "")}));
    ASSERT_TRUE(project.save().ok());
    EXPECT_EQ(test::readAll(project.target),
              kHeader + "0-1-2-3;HDT;Heading, degrees True, Number [floating point];RS232;;\r\n" +
                  "4;HDT;Heading, degrees True [character];RS232;;\r\n" +
                  "5;XDR;Transducer type [character];RS232;;\r\n" +
                  "6-7-8-9;XDR;Measurement data [floating point];RS232;;\r\n" +
                  "10;XDR;Units of measure [character];RS232;;\r\n" +
                  "11-12-13-14-15-16-17-18-19-20-21-22-23-24-25-26-27-28-29-30;XDR;Transducer ID [character string] "
                  "(20 characters);RS232;;\r\n");
}

TEST(ObjectsMapFile, HeaderOnlyWithoutRules)
{
    Project missing;
    ASSERT_TRUE(missing.save().ok());
    EXPECT_EQ(test::readAll(missing.target), kHeader);

    Project disabled(test::rulesXml({row("N", "MTW", "RS232", "Temp"), row("Y", "mtw", "RS232", "Temp")}));
    ASSERT_TRUE(disabled.save().ok());
    EXPECT_EQ(test::readAll(disabled.target), kHeader);
}

TEST(ObjectsMapFile, ACharacterTheCodePageCannotHoldWritesNothing)
{
    struct Case {
        const char* label;
        std::vector<std::string> rows;
        std::string message;
    };
    const Case cases[] = {
        {"arrow in a mnemonic",
         {row("Y", "MTW", "RS232", "ok"), row("N", "MTW", "RS232", "\xE2\x86\x92"),
          row("Y", "MTW", "RS232", "in \xE2\x86\x92 out")},
         "The objects map was not written: the Windows-1252 code page has no place for a character of the rule in "
         "row 3: U+2192 \xE2\x86\x92"},
        {"Greek letter in a channel",
         {row("Y", "ROT", "RS232 \xCE\xB1", "")},
         "The objects map was not written: the Windows-1252 code page has no place for a character of the rule in "
         "row 1: U+03B1 \xCE\xB1"},
        {"Latin-1 byte in a file read as UTF-8",
         {row("Y", "MTW", "RS232", "ok"), row("Y", "MTW", "RS232", "caf\xE9")},
         "The objects map was not written: the rule file holds bytes that are not UTF-8 in row 2: 0xE9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Project project(test::rulesXml(c.rows));
        test::writeFixture(project.target, "older map");
        test::FailingFileWriter writer;
        const ObjectsMapSave save = Save_Objects_Map(project.ruleFile, project.target, catalog(), writer);
        EXPECT_EQ(save.status, ObjectsMapSave::Status::Unencodable);
        EXPECT_TRUE(writer.attempts.empty());
        EXPECT_EQ(objectsMapMessage(ExtraTexts(), save), c.message);
        EXPECT_EQ(project.save().status, ObjectsMapSave::Status::Unencodable);
        EXPECT_EQ(test::readAll(project.target), "older map");
    }
}

TEST(ObjectsMapFile, UnusableRuleFileWritesNothingAndNamesIt)
{
    struct Case {
        const char* label;
        bool folder;
        ObjectsMapSave::Status status;
        std::string messageStart;
        std::string position; // where the parser stopped, as the message says it
    };
    const Case cases[] = {
        {"malformed", false, ObjectsMapSave::Status::Malformed,
         "The objects map was not written. This rule file is damaged: ", "Line 1, column 26: "},
        {"a folder", true, ObjectsMapSave::Status::Unreadable,
         "The objects map was not written. This rule file cannot be read: ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Project project;
        if (c.folder)
            std::filesystem::create_directories(project.ruleFile);
        else
            test::writeFixture(project.ruleFile, "<NMEA_0183><NMEA_Listener>");
        test::FailingFileWriter writer;
        const ObjectsMapSave save = Save_Objects_Map(project.ruleFile, project.target, catalog(), writer);
        EXPECT_EQ(save.status, c.status);
        EXPECT_TRUE(writer.attempts.empty());
        EXPECT_EQ(save.file, project.ruleFile);
        EXPECT_FALSE(save.reason.empty());
        EXPECT_EQ(objectsMapMessage(ExtraTexts(), save),
                  c.messageStart + project.ruleFile.string() + "\n" + c.position + save.reason);
    }
}

TEST(ObjectsMapFile, AFailedWriteNamesTheMapFile)
{
    Project project(test::rulesXml({row("Y", "MTW", "RS232", "Temp")}));
    test::FailingFileWriter writer("disk full");
    const ObjectsMapSave save = Save_Objects_Map(project.ruleFile, project.target, catalog(), writer);
    EXPECT_EQ(save.status, ObjectsMapSave::Status::WriteFailed);
    EXPECT_EQ(writer.attempts, std::vector<std::filesystem::path>{project.target});
    EXPECT_EQ(objectsMapMessage(ExtraTexts(), save),
              "The objects map cannot be written: " + project.target.string() + "\ndisk full");
}

TEST(ObjectsMapFile, ChosenNameGetsCsvUnlessItEndsSo)
{
    struct Case {
        std::string chosen;
        std::string saved;
    };
    const Case cases[] = {
        {"/p/map.csv", "/p/map.csv"},
        {"/p/map.CSV", "/p/map.CSV"},
        {"/p/map.cSv", "/p/map.cSv"},
        {"/p/map", "/p/map.csv"},
        {"/p/map.txt", "/p/map.txt.csv"},
        {"/p/map.csv.bak", "/p/map.csv.bak.csv"},
        {"/p/map.csv ", "/p/map.csv .csv"},
        {"/p/mapcsv", "/p/mapcsv.csv"},
        {"/p.csv/map", "/p.csv/map.csv"},
        {".csv", ".csv"},
        {"csv", "csv.csv"},
        {"a", "a.csv"},
        {"", ".csv"},
        {"\xC3\xA9.csv", "\xC3\xA9.csv"},
        {"\xC3\xA9", "\xC3\xA9.csv"},
        {"\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9.csv"},
        // Long s upper-cases to "S" in Unicode, but only ASCII letters count.
        {"map.c\xC5\xBFv", "map.c\xC5\xBFv.csv"},
        // Fullwidth letters are other characters, not "CSV".
        {"map.\xEF\xBD\x83\xEF\xBD\x93\xEF\xBD\x96", "map.\xEF\xBD\x83\xEF\xBD\x93\xEF\xBD\x96.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(Objects_Map_File_Name(c.chosen), c.saved);
    }
}

} // namespace
} // namespace birch

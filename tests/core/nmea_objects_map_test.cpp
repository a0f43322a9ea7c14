#include "ImageTestData.h"
#include "TempDir.h"

#include "nmea/Catalog.h"
#include "nmea/ObjectsMap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace birch {
namespace {

struct Field {
    std::string text;
    int firstByte;
    int size;
    bool operator==(const Field&) const = default;
};

void PrintTo(const Field& field, std::ostream* out)
{
    *out << "{\"" << field.text << "\", " << field.firstByte << ", " << field.size << "}";
}

std::vector<Field> fields(const ObjectsMapRule& rule)
{
    std::vector<Field> all;
    for (const ObjectsMapField& field : rule.fields)
        all.push_back({field.text, field.firstByte, field.size});
    return all;
}

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

const std::filesystem::path kFixtures = std::filesystem::path(BIRCH_FIXTURES_DIR) / "rules";

// A rule row with only the attributes that matter here.
std::string row(const char* enable, const char* sentence, const char* channel = "RS232", const char* mnemonic = "m")
{
    return test::ruleRow(
        {{"Enable", enable}, {"Sentence", sentence}, {"Serial_Channel", channel}, {"Mnemonic", mnemonic}});
}

ObjectsMapLoad loadXml(const std::string& xml)
{
    test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    test::writeFixture(file, xml);
    return loadObjectsMap(file, catalog());
}

ObjectsMap loadRows(const std::vector<std::string>& rows)
{
    const ObjectsMapLoad load = loadXml(test::rulesXml(rows));
    EXPECT_TRUE(load.ok()) << load.reason;
    return load.map;
}

const std::vector<Field> kMtwFrom0 = {{"Water temperature, Number [floating point]", 0, 4},
                                      {"Water temperature, Unit [character]", 4, 1}};

TEST(ObjectsMap, FirstRuleStartsAtByteZeroAndTheNextFollowsItsLastField)
{
    const ObjectsMap map = loadRows({row("Y", "MTW", "RS232", "Temp"), row("Y", "ROT", "RS485 2", "Turn")});
    ASSERT_EQ(map.rules.size(), 2u);
    EXPECT_EQ(map.rules[0].row, 1);
    EXPECT_EQ(map.rules[0].sentence, "MTW");
    EXPECT_EQ(map.rules[0].serialChannel, "RS232");
    EXPECT_EQ(map.rules[0].mnemonic, "Temp");
    EXPECT_EQ(fields(map.rules[0]), kMtwFrom0);
    EXPECT_EQ(map.rules[1].row, 2);
    EXPECT_EQ(fields(map.rules[1]), (std::vector<Field>{{"Rate of turn, degrees/minute, Number [floating point]", 5, 4},
                                                        {"Status [character]", 9, 1}}));
    EXPECT_EQ(map.byteCount, 10);
}

TEST(ObjectsMap, XdrTakesTwentySixBytesInFourFields)
{
    const ObjectsMap map = loadRows({row("Y", "MTW"), row("Y", "XDR"), row("Y", "$PJELA")});
    ASSERT_EQ(map.rules.size(), 3u);
    EXPECT_EQ(fields(map.rules[1]), (std::vector<Field>{{"Transducer type [character]", 5, 1},
                                                        {"Measurement data [floating point]", 6, 4},
                                                        {"Units of measure [character]", 10, 1},
                                                        {"Transducer ID [character string] (20 characters)", 11, 20}}));
    EXPECT_EQ(fields(map.rules[2]), (std::vector<Field>{{"Alarm [character]", 31, 1}}));
    EXPECT_EQ(map.byteCount, 32);
}

// Each of these rows adds nothing and leaves the byte counter where it was.
TEST(ObjectsMap, RowsThatAddNothing)
{
    struct Case {
        const char* label;
        std::string row;
    };
    const Case cases[] = {
        {"Enable N", row("N", "ZDA")},
        {"Enable in lower case", row("y", "ZDA")},
        {"Enable with a blank", row(" Y", "ZDA")},
        {"Enable missing", test::ruleRow({{"Sentence", "ZDA"}})},
        {"sentence in lower case", row("Y", "zda")},
        {"sentence with a blank", row("Y", "ZDA ")},
        {"sentence not in the catalog", row("Y", "ABC")},
        {"sentence without fields", row("Y", "BWC")},
        {"sentence missing", test::ruleRow({{"Enable", "Y"}})},
        {"a comment", "<!--Enable=\"Y\" Sentence=\"ZDA\"-->"},
        {"text", "Y ZDA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ObjectsMap map = loadRows({c.row, row("Y", "MTW", "RS232", "Temp")});
        ASSERT_EQ(map.rules.size(), 1u);
        EXPECT_EQ(map.rules[0].row, 2);
        EXPECT_EQ(fields(map.rules[0]), kMtwFrom0);
        EXPECT_EQ(map.byteCount, 5);
    }
}

TEST(ObjectsMap, TwoRulesForOneSentenceEachListTheWholeSentence)
{
    const ObjectsMap map = loadRows({row("Y", "MTW", "RS232", "A"), row("Y", "MTW", "RS485 2", "B")});
    ASSERT_EQ(map.rules.size(), 2u);
    EXPECT_EQ(fields(map.rules[0]), kMtwFrom0);
    EXPECT_EQ(fields(map.rules[1]), (std::vector<Field>{{"Water temperature, Number [floating point]", 5, 4},
                                                        {"Water temperature, Unit [character]", 9, 1}}));
    EXPECT_EQ(map.rules[1].mnemonic, "B");
}

TEST(ObjectsMap, TextsAreKeptAsReadAndMissingOnesAreEmpty)
{
    const ObjectsMap map = loadRows({row("Y", "MTW", " rs232 ",
                                         " Wasser \xC2\xB0"
                                         "C &amp; more "),
                                     test::ruleRow({{"Enable", "Y"}, {"Sentence", "ROT"}})});
    ASSERT_EQ(map.rules.size(), 2u);
    EXPECT_EQ(map.rules[0].serialChannel, " rs232 ");
    EXPECT_EQ(map.rules[0].mnemonic, " Wasser \xC2\xB0"
                                     "C & more ");
    EXPECT_EQ(map.rules[1].serialChannel, "");
    EXPECT_EQ(map.rules[1].mnemonic, "");
}

TEST(ObjectsMap, RowCountsEveryChildOfTheListener)
{
    const ObjectsMap map = loadRows({"<!--note-->", row("N", "ZDA"), "<item/>", row("Y", "HDT")});
    ASSERT_EQ(map.rules.size(), 1u);
    EXPECT_EQ(map.rules[0].row, 4);
    EXPECT_EQ(map.rules[0].fields[0].firstByte, 0);
}

TEST(ObjectsMap, FilesWithoutRulesGiveAnEmptyMap)
{
    test::TempDir dir;
    struct Case {
        const char* label;
        std::filesystem::path file;
    };
    test::writeFixture(dir / "empty_listener.xml", test::rulesXml({}));
    test::writeFixture(dir / "comment_first.xml",
                       "<!--x--><NMEA_0183><NMEA_Listener>" + row("Y", "ZDA") + "</NMEA_Listener></NMEA_0183>");
    const Case cases[] = {
        {"no file", dir / "none.xml"},
        {"no enabled rule", kFixtures / "odd_values.xml"},
        {"empty listener", dir / "empty_listener.xml"},
        {"no NMEA_Listener", kFixtures / "no_listener.xml"},
        // The root is the document's first node, here the comment.
        {"comment before the root", dir / "comment_first.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ObjectsMapLoad load = loadObjectsMap(c.file, catalog());
        EXPECT_EQ(load.status, ObjectsMapLoad::Status::Ok);
        EXPECT_TRUE(load.map.rules.empty());
        EXPECT_EQ(load.map.byteCount, 0);
    }
}

TEST(ObjectsMap, UnusableFilesGiveNoMapAndTheReason)
{
    test::TempDir dir;
    std::filesystem::create_directories(dir / "folder.xml");
    struct Case {
        std::filesystem::path file;
        ObjectsMapLoad::Status status;
    };
    const Case cases[] = {
        {kFixtures / "malformed.xml", ObjectsMapLoad::Status::Malformed},
        {dir / "folder.xml", ObjectsMapLoad::Status::Unreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        const ObjectsMapLoad load = loadObjectsMap(c.file, catalog());
        EXPECT_EQ(load.status, c.status);
        EXPECT_FALSE(load.ok());
        EXPECT_FALSE(load.reason.empty());
        EXPECT_TRUE(load.map.rules.empty());
    }
}

} // namespace
} // namespace birch

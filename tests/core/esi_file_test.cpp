#include "EtherCatTestData.h"
#include "FailingFileWriter.h"
#include "TempDir.h"

#include "lang/ExtraTexts.h"
#include "profiles/EsiFile.h"
#include "profiles/EsiIcon.h"
#include "profiles/EsiIdentity.h"
#include "profiles/EsiTemplate.h"
#include "profiles/EsiText.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <string>
#include <vector>

namespace birch {
namespace {

using test::variableRow;
using test::variablesXml;

const std::filesystem::path kFixtures = std::filesystem::path(BIRCH_FIXTURES_DIR) / "esi";

// Each folder holds a project's ParGen.xml and EtherCAT_Slave.xml (either may be missing) and
// the ESI file they give, ESI.xml.
const std::vector<std::string> kGoldenCases = {
    "defaults", "bool_bool_bool_int16", "eight_bools", "seventeen", "disabled", "string_12", "identity"};

bool contains(const std::vector<std::string>& all, const std::string& line)
{
    return std::find(all.begin(), all.end(), line) != all.end();
}

TEST(EsiFile, GoldenFiles)
{
    for (const std::string& name : kGoldenCases) {
        SCOPED_TRACE(name);
        const auto folder = kFixtures / name;
        const std::string expected = test::readAll(folder / "ESI.xml");
        ASSERT_FALSE(expected.empty());
        const EsiOutcome outcome = Generate_Esi(folder / "ParGen.xml", folder / "EtherCAT_Slave.xml");
        ASSERT_TRUE(outcome.ok()) << outcome.reason;
        EXPECT_EQ(outcome.text, expected);
    }
}

// Every line ends with CR LF, nothing else is a line end, and the file is pure ASCII.
TEST(EsiFile, GoldenFilesAreCrLfAscii)
{
    for (const std::string& name : kGoldenCases) {
        SCOPED_TRACE(name);
        const std::string text = test::readAll(kFixtures / name / "ESI.xml");
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            ASSERT_LT(byte, 0x80) << "at " << i;
            if (byte == '\n') {
                ASSERT_EQ(text[i - 1], '\r') << "at " << i;
            }
            if (byte == '\r') {
                ASSERT_EQ(text[i + 1], '\n') << "at " << i;
            }
        }
    }
}

TEST(EsiFile, IdentityFromParGen)
{
    struct Case {
        const char* name;
        std::string parGen;
        std::string deviceName;
        std::int32_t revision;
        std::uint16_t alias;
    };
    const auto parGen = [](const std::string& children) { return "<Par_Gen>" + children + "</Par_Gen>"; };
    const std::vector<Case> cases = {
        {"no elements", parGen("<RS232_ENABLE>1</RS232_ENABLE>"), "EtherCAT Slave", 0, 1},
        {"all three",
         parGen("<EtherCAT_Slave_Name>Pump 7</EtherCAT_Slave_Name><EtherCAT_Slave_Revision_Number>10"
                "</EtherCAT_Slave_Revision_Number><EtherCAT_Slave_Node_Address>258</EtherCAT_Slave_Node_Address>"),
         "Pump 7", 10, 258},
        {"not numbers",
         parGen("<EtherCAT_Slave_Revision_Number> 10</EtherCAT_Slave_Revision_Number>"
                "<EtherCAT_Slave_Node_Address>+3</EtherCAT_Slave_Node_Address>"),
         "EtherCAT Slave", 0, 1},
        {"empty elements",
         parGen("<EtherCAT_Slave_Name/><EtherCAT_Slave_Revision_Number/><EtherCAT_Slave_Node_Address/>"), "", 0, 1},
        {"alias keeps 16 bits",
         parGen("<EtherCAT_Slave_Node_Address>65537</EtherCAT_Slave_Node_Address>"
                "<EtherCAT_Slave_Revision_Number>-1</EtherCAT_Slave_Revision_Number>"),
         "EtherCAT Slave", -1, 1},
        {"a name of blanks stays", parGen("<EtherCAT_Slave_Name>  </EtherCAT_Slave_Name>"), "  ", 0, 1},
        {"the first node is the root", "<!--c-->" + parGen("<EtherCAT_Slave_Name>X</EtherCAT_Slave_Name>"),
         "EtherCAT Slave", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::writeFixture(dir / "ParGen.xml", c.parGen);
        const EsiIdentityRead read = Read_Esi_Identity(dir / "ParGen.xml");
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.identity.Name, c.deviceName);
        EXPECT_EQ(read.identity.Revision, c.revision);
        EXPECT_EQ(read.identity.StationAlias, c.alias);
    }
}

TEST(EsiFile, RevisionAndAliasAsWritten)
{
    struct Case {
        std::int32_t revision;
        std::uint16_t alias;
        const char* revisionText;
        const char* config;
    };
    for (const Case& c :
         {Case{0, 1, "#x00", "800F00CC8813ff00010000800000"}, Case{10, 258, "#x0A", "800F00CC8813ff00020100800000"},
          Case{4096, 0xABCD, "#x1000", "800F00CC8813ff00CDAB00800000"},
          Case{-1, 0, "#xFFFFFFFF", "800F00CC8813ff00000000800000"}}) {
        SCOPED_TRACE(c.revisionText);
        EsiIdentity identity;
        identity.Revision = c.revision;
        identity.StationAlias = c.alias;
        const auto all = Esi_Lines(identity, {});
        EXPECT_TRUE(contains(all, "        <Type ProductCode=\"#x00000B27\" RevisionNo=\"" +
                                      std::string(c.revisionText) + "\">EtherCAT Slave</Type>"));
        EXPECT_TRUE(contains(all, "          <ConfigData>" + std::string(c.config) + "</ConfigData>"));
    }
}

TEST(EsiFile, OutputSyncManagerFollowsTheInputBytes)
{
    struct Case {
        std::int64_t bytes;
        const char* address;
    };
    for (const Case& c : {Case{0, "1000"}, Case{1, "1004"}, Case{3, "100C"}, Case{4, "100C"}, Case{5, "1010"},
                          Case{2000, "2770"}, Case{30000, "16F90"}}) {
        SCOPED_TRACE(c.bytes);
        EsiProcessData data;
        data.InputBytes = c.bytes;
        EXPECT_TRUE(contains(Esi_Lines({}, data), "        <Sm StartAddress=\"#x" + std::string(c.address) +
                                                      "\" ControlByte=\"#x64\" DefaultSize=\"1\" "
                                                      "Enable=\"1\">Outputs</Sm>"));
    }
}

TEST(EsiFile, PdoNumbersAboveNinetyNine)
{
    EsiProcessData data;
    data.SlaveToMaster.assign(101 * 16 + 1, TEtherCAT_Rule{"USINT", 8, "v"});
    const auto all = Esi_Lines({}, data);
    EXPECT_TRUE(contains(all, "          <Name>Inputs_099</Name>"));
    EXPECT_TRUE(contains(all, "          <Name>Inputs_101</Name>"));
    EXPECT_TRUE(contains(all, "          <Index>#x1A65</Index>"));
    EXPECT_TRUE(contains(all, "            <Index>#x6650</Index>"));
    EXPECT_EQ(std::count(all.begin(), all.end(), "        </TxPdo>"), 102);
}

TEST(EsiFile, NamesStayWellFormedAscii)
{
    EXPECT_EQ(esiText("Pump & <Valve> \"1\""), "Pump &amp; &lt;Valve&gt; \"1\"");
    EXPECT_EQ(esiText("Temp\xC3\xA9rature \xE2\x82\xAC \xF0\x9F\x98\x80"), "Temp&#xE9;rature &#x20AC; &#x1F600;");
    // Tab, line ends and DEL as references; bytes that are not UTF-8 and characters XML
    // forbids as U+FFFD.
    EXPECT_EQ(esiText("a\tb\r\nc\x7F"), "a&#x9;b&#xD;&#xA;c&#x7F;");
    EXPECT_EQ(esiText("x\xE9y\x01z\xED\xA0\x80\xC0\xAF\xEF\xBF\xBE"), "x&#xFFFD;y&#xFFFD;z&#xFFFD;&#xFFFD;&#xFFFD;"
                                                                      "&#xFFFD;&#xFFFD;&#xFFFD;");
}

TEST(EsiFile, GeneratedFileWithOddNamesParsesBack)
{
    test::TempDir dir;
    const std::string name = "A&B <\"C\"> \xC3\xA9\xE2\x82\xAC]]>";
    test::writeFixture(dir / "ParGen.xml", "<Par_Gen><EtherCAT_Slave_Name>" + std::string("D&amp;&lt;\xC3\xBC&gt;") +
                                               "</EtherCAT_Slave_Name></Par_Gen>");
    test::writeFixture(dir / "EtherCAT_Slave.xml",
                       variablesXml({variableRow("Enable=\"Y\" Type=\"Bool\" Name=\"A&amp;B &lt;&quot;C&quot;&gt; "
                                                 "\xC3\xA9\xE2\x82\xAC]]&gt;\"")},
                                    {variableRow("Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"&lt;out&gt;\"")}));
    const EsiOutcome outcome = Generate_Esi(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml");
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(std::all_of(outcome.text.begin(), outcome.text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(outcome.text.c_str()));
    const pugi::xml_node device = document.child("EtherCATInfo").child("Descriptions").child("Devices").child("Device");
    EXPECT_STREQ(device.child("Type").text().get(), "D&<\xC3\xBC>");
    EXPECT_EQ(std::string(device.child("TxPdo").child("Entry").child("Name").text().get()), name);
    EXPECT_STREQ(device.child("RxPdo").child("Entry").child("Name").text().get(), "<out>");
}

TEST(EsiFile, IconIsTheFixedBitmap)
{
    const std::string& icon = Esi_Icon();
    ASSERT_EQ(icon.size(), 690u);
    EXPECT_EQ(icon.substr(0, 4), "424D");
    // File size 345, pixel data at 121, 16 x 14 pixels of 8 bits.
    EXPECT_EQ(icon.substr(4, 8), "59010000");
    EXPECT_EQ(icon.substr(20, 8), "79000000");
    EXPECT_EQ(icon.substr(36, 16), "100000000E000000");
    EXPECT_EQ(icon.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    const std::string text = Esi_File_Text(Esi_Lines({}, {}));
    std::size_t count = 0;
    for (std::size_t at = text.find(icon); at != std::string::npos; at = text.find(icon, at + 1))
        ++count;
    EXPECT_EQ(count, 3u);
}

TEST(EsiFile, NothingIsWrittenWhenTheSourcesAreUnusable)
{
    struct Case {
        const char* name;
        std::string parGen;
        std::string variables;
        EsiOutcome::Status status;
        const char* named;
    };
    const std::string good = variablesXml({});
    const std::vector<Case> cases = {
        {"malformed ParGen", "<Par_Gen>", good, EsiOutcome::Status::Malformed, "ParGen.xml"},
        {"malformed variables", "", "<EtherCAT_Slave", EsiOutcome::Status::Malformed, "EtherCAT_Slave.xml"},
        {"no master-to-slave list", "",
         "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/></EtherCAT_Slave_Variables>"
         "</EtherCAT_Slave>",
         EsiOutcome::Status::ElementMissing, "EtherCAT_Slave.xml\nEtherCAT_Master_To_Slave"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        if (!c.parGen.empty())
            test::writeFixture(dir / "ParGen.xml", c.parGen);
        test::writeFixture(dir / "EtherCAT_Slave.xml", c.variables);
        test::writeFixture(dir / "out.xml", "previous");
        AtomicFileWriter writer;
        const EsiOutcome outcome = Save_Esi(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml", dir / "out.xml", writer);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(test::readAll(dir / "out.xml"), "previous");
        const std::string message = Esi_Failure_Message(ExtraTexts(), outcome);
        EXPECT_EQ(message.rfind("The ESI file was not written.", 0), 0u) << message;
        EXPECT_NE(message.find(c.named), std::string::npos) << message;
    }
}

TEST(EsiFile, WriteFailureNamesTheTarget)
{
    test::TempDir dir;
    test::FailingFileWriter failing("read-only folder");
    const EsiOutcome outcome = Save_Esi(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml", dir / "out.xml", failing);
    EXPECT_EQ(outcome.status, EsiOutcome::Status::WriteFailed);
    EXPECT_EQ(Esi_Failure_Message(ExtraTexts(), outcome),
              "The file cannot be written: " + (dir / "out.xml").string() + "\nread-only folder");
}

} // namespace
} // namespace birch

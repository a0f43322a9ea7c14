#include "ImageTestData.h"
#include "TempDir.h"

#include "common/Csv.h"
#include "nmea/RegisterReportFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace birch {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

const std::string kDepth = "Water depth relative to transducer, meters [floating point]";

TNMEA0183_Rule rule(const std::string& sentence, const std::string& field, const std::string& position,
                    const std::string& mnemonic = "m")
{
    TNMEA0183_Rule r;
    r.Serial_Channel = "RS232";
    r.Sentence = sentence;
    r.DataField = field;
    r.PortOperation = "x 10";
    r.Position = position;
    r.Mnemonic = mnemonic;
    return r;
}

RegisterTableLoad inputRegisters()
{
    RegisterTableLoad load;
    load.table = RegisterTable::Input;
    load.keyText = "1";
    return load;
}

std::size_t count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

TEST(ModbusRegisters, TwoBytesMakeOneRegisterNumberedByTable)
{
    struct Case {
        int byte;
        int address;
        int input;
        int holding;
    };
    for (const Case c : {Case{0, 0, 30001, 40001}, Case{1, 0, 30001, 40001}, Case{2, 1, 30002, 40002},
                         Case{1999, 999, 31000, 41000}}) {
        EXPECT_EQ(registerOf(c.byte), c.address) << c.byte;
        EXPECT_EQ(conventionalNumber(RegisterTable::Input, registerOf(c.byte)), c.input) << c.byte;
        EXPECT_EQ(conventionalNumber(RegisterTable::Holding, registerOf(c.byte)), c.holding) << c.byte;
    }
}

TEST(ModbusRegisters, TheTableFollowsTheKeyAsTheDeviceImageReadsIt)
{
    struct Case {
        const char* label;
        std::string parGen; // empty: no file
        RegisterTable table;
        const char* noteHas;
    };
    const Case cases[] = {
        {"no file", "", RegisterTable::Holding, "no ParGen.xml"},
        {"key 1", test::parGenXml({{"MODBUS_SLAVE_READ_INPUT_REGISTER", "1"}}), RegisterTable::Input, "\"1\""},
        {"key 0", test::parGenXml({{"MODBUS_SLAVE_READ_INPUT_REGISTER", "0"}}), RegisterTable::Holding, "\"0\""},
        {"key with a blank", test::parGenXml({{"MODBUS_SLAVE_READ_INPUT_REGISTER", " 1"}}), RegisterTable::Holding,
         "\" 1\""},
        {"key missing", test::parGenXml({{"RS232_ENABLE", "1"}}), RegisterTable::Holding,
         "no MODBUS_SLAVE_READ_INPUT_REGISTER"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        if (!c.parGen.empty())
            test::writeFixture(dir / "ParGen.xml", c.parGen);
        const RegisterTableLoad load = loadRegisterTable(dir / "ParGen.xml");
        ASSERT_TRUE(load.ok()) << c.label;
        EXPECT_EQ(load.table, c.table) << c.label;
        const std::string note = registerTableNote(load);
        EXPECT_NE(note.find(c.noteHas), std::string::npos) << c.label << ": " << note;
        EXPECT_NE(note.find(c.table == RegisterTable::Input ? "30001" : "40001"), std::string::npos) << c.label;
    }
    test::TempDir dir;
    test::writeFixture(dir / "ParGen.xml", "<Par_Gen><MODBUS_SLAVE_READ_INPUT_REGISTER>1");
    const RegisterTableLoad broken = loadRegisterTable(dir / "ParGen.xml");
    EXPECT_EQ(broken.status, RegisterTableLoad::Status::Malformed);
    EXPECT_FALSE(broken.reason.empty());
}

TEST(RegisterReport, EntriesGiveBytesRegistersAndFlags)
{
    RuleTable rules{};
    rules[0] = rule("ZDA", "hour [decimal]", "1");                              // byte 1: odd start, register 0
    rules[1] = rule("DPT", kDepth, "2");                                        // bytes 2..5: registers 1..2
    rules[2] = rule("GGA", "Differential reference station ID [decimal]", "5"); // 5..6: odd, overlaps row 2
    rules[3] = rule("DPT", kDepth, "1998"); // 1998..2001: outside, registers 999..999
    rules[3].SwapAll = true;
    const RegisterReport report = makeRegisterReport("Ship", catalog(), rules, inputRegisters());
    ASSERT_EQ(report.entries.size(), 4u);
    const auto& e = report.entries;
    EXPECT_EQ(e[0].firstRegister, 0);
    EXPECT_EQ(e[0].lastRegister, 0);
    EXPECT_TRUE(e[0].oddStart);
    EXPECT_EQ(e[1].firstRegister, 1);
    EXPECT_EQ(e[1].lastRegister, 2);
    EXPECT_FALSE(e[1].oddStart);
    EXPECT_EQ(e[1].overlapRows, (std::vector<int>{3}));
    EXPECT_EQ(e[2].overlapRows, (std::vector<int>{2}));
    EXPECT_EQ(e[2].lastRegister, 3);
    EXPECT_TRUE(e[3].outside);
    EXPECT_EQ(e[3].lastRegister, 999);
    const auto cells = registerReportCells(report, e[2]);
    ASSERT_EQ(cells.size(), registerReportColumns().size());
    EXPECT_EQ(cells,
              (std::vector<std::string>{"3", "GGA", "Differential reference station ID [decimal]", "RS232", "m", "x 10",
                                        "N", "N", "5", "2", "2", "3", "30003", "30004", "odd start; overlaps row 2"}));
    EXPECT_EQ(registerReportCells(report, e[3]).back(), "outside the data area");
    EXPECT_EQ(registerReportCells(report, e[3])[6], "Y");
}

TEST(RegisterReport, CsvIsUtf8WithBomQuotedAsRfc4180AndRectangular)
{
    RuleTable rules{};
    rules[0] = rule("ZDA", "hour [decimal]", "0", "Depth, \"keel\"\nline 2");
    rules[1] = rule("ZDA", "minutes [decimal]", "1", "caf\xC3\xA9 \xFF");
    const std::string csv = registerReportCsv(makeRegisterReport("Ship", catalog(), rules, inputRegisters()));
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find(",\"Depth, \"\"keel\"\"\nline 2\","), std::string::npos);
    // Invalid UTF-8 is replaced, valid text kept.
    EXPECT_NE(csv.find(",caf\xC3\xA9 \xEF\xBF\xBD,"), std::string::npos);
    EXPECT_NE(csv.find("\r\nRow,Sentence,Field,Serial channel,"), std::string::npos);
    EXPECT_NE(csv.find("two of them, register = byte div 2"), std::string::npos) << "the register assumption is stated";
    // Every record has as many fields as the table has columns.
    const std::size_t width = registerReportColumns().size();
    std::size_t fields = 1;
    bool quoted = false;
    for (std::size_t i = 3; i < csv.size(); ++i) {
        const char c = csv[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++fields;
        else if (!quoted && c == '\r') {
            ASSERT_EQ(csv[i + 1], '\n') << "record ends with CR LF";
            EXPECT_EQ(fields, width) << "record ending at " << i;
            fields = 1;
            ++i;
        }
    }
}

TEST(Csv, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    struct Case {
        std::string in;
        std::string out;
    };
    for (const Case& c :
         {Case{"plain", "plain"}, Case{"", ""}, Case{"a,b", "\"a,b\""}, Case{"say \"hi\"", "\"say \"\"hi\"\"\""},
          Case{"two\r\nlines", "\"two\r\nlines\""}, Case{"lf\nonly", "\"lf\nonly\""}, Case{"semi;colon", "semi;colon"}})
        EXPECT_EQ(csvField(c.in), c.out) << c.in;
    EXPECT_EQ(csvRecord({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

TEST(RegisterReport, MarkdownKeepsEachEntryOnOneTableLine)
{
    RuleTable rules{};
    rules[0] = rule("ZDA", "hour [decimal]", "0", "a|b\nc");
    const std::string md = registerReportMarkdown(makeRegisterReport("Ship", catalog(), rules, inputRegisters()));
    EXPECT_EQ(md.rfind("# Register map of the project Ship.", 0), 0u);
    EXPECT_NE(md.find("| 1 | ZDA | hour \\[decimal\\] | RS232 | a\\|b c | x 10 |"), std::string::npos) << md;
    const std::size_t header = md.find("| Row |");
    ASSERT_NE(header, std::string::npos);
    EXPECT_EQ(count(md.substr(header), "\n"), 3u) << "header, rule line and one entry";
}

TEST(RegisterReport, HtmlIsOnePageWithTheMapDrawn)
{
    RuleTable rules{};
    rules[0] = rule("DPT", kDepth, "10", "<b>&deep</b>");
    rules[1] = rule("GGA", "Differential reference station ID [decimal]", "12");
    const std::string html = registerReportHtml(makeRegisterReport("Ship", catalog(), rules, inputRegisters()));
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_EQ(html.find("<b>&deep"), std::string::npos);
    EXPECT_NE(html.find("&lt;b&gt;&amp;deep&lt;/b&gt;"), std::string::npos);
    // Self-contained: nothing is fetched.
    for (const char* outside : {"<script", "<link", "src=", "http:", "https:", "url("})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    EXPECT_EQ(count(html, "<div class=\"b"), 2000u);
    // Bytes 12 and 13 are shared: hatched, and their tips name both rows.
    EXPECT_EQ(count(html, " x\" title="), 2u);
    EXPECT_NE(html.find("title=\"Byte 12, register 6 (30007): row 1 DPT"), std::string::npos);
    EXPECT_NE(html.find("; row 2 GGA Differential reference station ID [decimal]\""), std::string::npos);
    EXPECT_NE(html.find("title=\"Byte 14, register 7 (30008): free\""), std::string::npos);
}

TEST(RegisterReport, AChosenFileNameGivesTheFormat)
{
    struct Case {
        const char* chosen;
        const char* file;
        ReportFormat format;
    };
    for (const Case& c :
         {Case{"/p/map.csv", "/p/map.csv", ReportFormat::Csv}, Case{"/p/map.HTM", "/p/map.HTM", ReportFormat::Html},
          Case{"/p/map.html", "/p/map.html", ReportFormat::Html},
          Case{"/p/map.Md", "/p/map.Md", ReportFormat::Markdown},
          Case{"/p/map.markdown", "/p/map.markdown", ReportFormat::Markdown},
          Case{"/p/map", "/p/map.csv", ReportFormat::Csv}, Case{"/p/map.txt", "/p/map.txt.csv", ReportFormat::Csv},
          Case{"/p.d/map", "/p.d/map.csv", ReportFormat::Csv}}) {
        const ReportTarget target = reportTarget(c.chosen);
        EXPECT_EQ(target.file, std::filesystem::path(c.file)) << c.chosen;
        EXPECT_EQ(target.format, c.format) << c.chosen;
    }
}

TEST(RegisterReport, FormatsAreNamedExactly)
{
    EXPECT_EQ(reportFormatNamed("csv"), ReportFormat::Csv);
    EXPECT_EQ(reportFormatNamed("markdown"), ReportFormat::Markdown);
    EXPECT_EQ(reportFormatNamed("html"), ReportFormat::Html);
    EXPECT_EQ(reportFormatNamed("CSV"), std::nullopt);
    EXPECT_EQ(reportFormatNamed("md"), std::nullopt);
}

} // namespace
} // namespace birch

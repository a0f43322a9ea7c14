#include "CliRun.h"
#include "ImageTestData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace birch::test {
namespace {

const std::string kDepth = "Water depth relative to transducer, meters [floating point]";

// A project with three enabled rules (rows 2 and 3 share bytes 4..5) and a disabled one.
std::filesystem::path writeProject(const TempDir& dir, const std::string& readInput = "1")
{
    const auto project = dir / "Harbour";
    writeFixture(project / "ParGen.xml", parGenXml({{"MODBUS_SLAVE_READ_INPUT_REGISTER", readInput}}));
    writeFixture(project / "NMEA_0183_Set_Access.xml",
                 rulesXml({rule({{"Position", "1"}, {"Mnemonic", "Hour, &quot;UTC&quot;"}}),
                           rule({{"Sentence", "DPT"}, {"DataField", kDepth}, {"Position", "2"}}),
                           rule({{"Sentence", "DPT"}, {"DataField", kDepth}, {"Position", "4"}}),
                           rule({{"Enable", "N"}, {"Position", "9"}})}));
    return project;
}

TEST(RegisterMapCli, WritesEachFormatWithTheRegistersOfTheProject)
{
    struct Case {
        const char* format;
        std::vector<std::string> has;
    };
    const Case cases[] = {
        {"csv",
         {"\xEF\xBB\xBFRegister map of the project Harbour.,,",
          "\r\n1,ZDA,hour [decimal],RS485 / RS422,\"Hour, \"\"UTC\"\"\",None,N,N,1,1,0,0,30001,30001,odd start\r\n",
          "\r\n3,DPT,\"" + kDepth + "\",RS485 / RS422,m,None,N,N,4,4,2,3,30003,30004,overlaps row 2\r\n"}},
        {"markdown", {"| 2 | DPT |", "30002 | 30003 | overlaps row 3 |", "two of them, register = byte div 2"}},
        {"html", {"<td>30003</td>", "class=\"map\"", "Byte 4, register 2 (30003): row 2 DPT"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto project = writeProject(dir);
        const auto out = dir / "registers.out";
        const CliResult result = runCli({"register-map", project.string(), "--format", c.format, "-o", out.string()});
        EXPECT_EQ(result.exitCode, 0) << c.format << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << c.format;
        const std::string written = readAll(out);
        for (const std::string& part : c.has)
            EXPECT_NE(written.find(part), std::string::npos) << c.format << " lacks: " << part;
        EXPECT_EQ(written.find("row 4"), std::string::npos) << "the disabled rule is not listed";
    }
}

TEST(RegisterMapCli, PrintsCsvByDefaultAndNumbersHoldingRegistersUnlessTheKeyIsOne)
{
    TempDir dir;
    const auto project = writeProject(dir, "0");
    const CliResult result = runCli({"register-map", project.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_NE(result.out.find(",40003,40004,"), std::string::npos);
    EXPECT_NE(result.out.find("Holding registers"), std::string::npos);
}

TEST(RegisterMapCli, FailuresNameTheFileAndWriteNothing)
{
    struct Case {
        const char* label;
        std::string rules;
        std::string parGen;
        std::vector<std::string> args;
        int exitCode;
        std::string named;
    };
    const Case cases[] = {
        {"malformed rules", "<NMEA_0183><NMEA_Listener>", parGenXml({}), {}, 3, "NMEA_0183_Set_Access.xml"},
        {"malformed ParGen", rulesXml({rule()}), "<Par_Gen>", {}, 3, "ParGen.xml"},
        {"unknown format", rulesXml({rule()}), parGenXml({}), {"--format", "pdf"}, 2, "pdf"},
        {"output folder missing", rulesXml({rule()}), parGenXml({}), {"-o", "none/r.csv"}, 3, "none/r.csv"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto project = dir / "P";
        writeFixture(project / "NMEA_0183_Set_Access.xml", c.rules);
        writeFixture(project / "ParGen.xml", c.parGen);
        std::vector<std::string> args = {"register-map", project.string()};
        for (const std::string& arg : c.args)
            args.push_back(arg == "none/r.csv" ? (dir / arg).string() : arg);
        if (c.args.empty())
            args.insert(args.end(), {"-o", (dir / "r.csv").string()});
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.label << ": " << result.err;
        EXPECT_NE(result.err.find(c.named), std::string::npos) << c.label << ": " << result.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "r.csv")) << c.label;
    }
}

TEST(RegisterMapCli, RulesBeyondTheTableAreLeftOutWithANotice)
{
    TempDir dir;
    const auto project = dir / "Big";
    std::vector<std::string> rows(101, rule());
    writeFixture(project / "NMEA_0183_Set_Access.xml", rulesXml(rows));
    const CliResult result = runCli({"register-map", project.string(), "--format", "markdown"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("Rules left out: 1,"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("| 100 | ZDA |"), std::string::npos);
    EXPECT_EQ(result.out.find("| 101 |"), std::string::npos);
}

} // namespace
} // namespace birch::test

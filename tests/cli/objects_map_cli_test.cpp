#include "CliRun.h"
#include "ImageTestData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace birch::test {
namespace {

std::string mapRule(const char* channel, const char* mnemonic)
{
    return ruleRow({{"Enable", "Y"}, {"Sentence", "MTW"}, {"Serial_Channel", channel}, {"Mnemonic", mnemonic}});
}

TEST(ObjectsMapCli, WritesTheMapUnderTheNameGiven)
{
    TempDir dir;
    const auto project = dir / "Ship";
    writeFixture(project / "NMEA_0183_Set_Access.xml", rulesXml({mapRule("RS232", "Temp \xC3\xA9")}));
    const CliResult result = runCli({"objects-map", project.string(), "-o", (dir / "map.txt").string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    EXPECT_EQ(readAll(dir / "map.txt"), "Byte; Sentence; Field; Serial; Mnemonic;\r\n"
                                        "0-1-2-3;MTW;Water temperature, Number [floating point];RS232;Temp \xE9;\r\n"
                                        "4;MTW;Water temperature, Unit [character];RS232;Temp \xE9;\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "map.txt.csv"));
}

TEST(ObjectsMapCli, ProjectWithoutRuleFileGivesTheHeaderOnly)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "Empty");
    const CliResult result = runCli({"objects-map", (dir / "Empty").string(), "--output", (dir / "map.csv").string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readAll(dir / "map.csv"), "Byte; Sentence; Field; Serial; Mnemonic;\r\n");
}

TEST(ObjectsMapCli, FailuresLeaveNoFile)
{
    struct Case {
        const char* label;
        std::string rules; // empty: a folder in place of the rule file
        std::string output;
        int exitCode;
        std::vector<std::string> named;
    };
    const Case cases[] = {
        {"character outside the code page",
         rulesXml({mapRule("RS232", "ok"), mapRule("RS232", "a \xE2\x86\x92 b")}),
         "map.csv",
         1,
         {"row 2", "U+2192 \xE2\x86\x92"}},
        {"rule file not UTF-8", rulesXml({mapRule("RS232 \xB0", "")}), "map.csv", 1, {"row 1", "0xB0"}},
        {"malformed rule file", "<NMEA_0183><NMEA_Listener>", "map.csv", 3, {"NMEA_0183_Set_Access.xml"}},
        {"rule file unreadable", "", "map.csv", 3, {"NMEA_0183_Set_Access.xml"}},
        {"output folder missing", rulesXml({mapRule("RS232", "ok")}), "none/map.csv", 3, {"none/map.csv"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        const auto project = dir / "Ship";
        if (c.rules.empty())
            std::filesystem::create_directories(project / "NMEA_0183_Set_Access.xml");
        else
            writeFixture(project / "NMEA_0183_Set_Access.xml", c.rules);
        const auto output = dir / c.output;
        const CliResult result = runCli({"objects-map", project.string(), "-o", output.string()});
        EXPECT_EQ(result.exitCode, c.exitCode);
        for (const std::string& named : c.named)
            EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(output));
        // Nor a temporary file beside it: the project folder is all there is.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
}

TEST(ObjectsMapCli, UsageErrors)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "Ship");
    const std::vector<std::vector<std::string>> calls = {
        {"objects-map", (dir / "Ship").string()},
        {"objects-map", (dir / "Ship").string(), "-o", ""},
        {"objects-map", (dir / "none").string(), "-o", (dir / "map.csv").string()},
        {"objects-map", "-o", (dir / "map.csv").string()},
    };
    for (const auto& call : calls) {
        const CliResult result = runCli(call);
        EXPECT_EQ(result.exitCode, 2) << call.back();
        EXPECT_FALSE(std::filesystem::exists(dir / "map.csv"));
    }
}

} // namespace
} // namespace birch::test

#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace birch::test {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(BIRCH_FIXTURES_DIR) / "esi";

TEST(EsiCli, WritesTheGoldenFiles)
{
    for (const char* name : {"defaults", "bool_bool_bool_int16", "seventeen", "disabled", "identity"}) {
        SCOPED_TRACE(name);
        TempDir dir;
        const auto target = dir / "device.xml";
        const CliResult result = runCli({"esi", (kFixtures / name).string(), "-o", target.string()});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(result.err.empty()) << result.err;
        EXPECT_EQ(readAll(target), readAll(kFixtures / name / "ESI.xml"));
    }
    TempDir dir;
    const CliResult result = runCli({"esi", (kFixtures / "disabled").string(), "-o", (dir / "device.xml").string()});
    EXPECT_EQ(result.out, (dir / "device.xml").string() + ": 2 input and 2 output entries\n");
}

TEST(EsiCli, UnusableSourcesExitThreeAndWriteNothing)
{
    struct Case {
        const char* name;
        const char* file;
        std::string text;
        const char* named;
    };
    for (const Case& c : {Case{"no master-to-slave list", "EtherCAT_Slave.xml",
                               "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                               "</EtherCAT_Slave_Variables></EtherCAT_Slave>",
                               "EtherCAT_Slave.xml\nEtherCAT_Master_To_Slave"},
                          Case{"no variables element", "EtherCAT_Slave.xml", "<EtherCAT_Slave/>",
                               "EtherCAT_Slave.xml\nEtherCAT_Slave_Variables"},
                          Case{"malformed ParGen", "ParGen.xml", "<Par_Gen><", "ParGen.xml"}}) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        writeFixture(dir / "P" / c.file, c.text);
        const CliResult result = runCli({"esi", (dir / "P").string(), "-o", (dir / "device.xml").string()});
        EXPECT_EQ(result.exitCode, 3);
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "device.xml"));
    }
}

TEST(EsiCli, UnwritableTargetExitsThreeNamingIt)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "P");
    const auto target = dir / "missing folder" / "device.xml";
    const CliResult result = runCli({"esi", (dir / "P").string(), "-o", target.string()});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.err.find(target.string()), std::string::npos) << result.err;
}

TEST(EsiCli, UsageErrors)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "P");
    EXPECT_EQ(runCli({"esi", (dir / "P").string()}).exitCode, 2);
    EXPECT_EQ(runCli({"esi", (dir / "none").string(), "-o", (dir / "x.xml").string()}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.xml"));
}

} // namespace
} // namespace birch::test

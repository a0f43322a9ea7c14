#include "CliRun.h"
#include "ImageTestData.h"

#include "image/UpdateDescription.h"

#include <gtest/gtest.h>

namespace birch::test {
namespace {

TEST(CompileCli, WritesTheImageIntoTheProjectsBinFolder)
{
    TempDir dir;
    const auto project = dir / "Ship";
    writeFixture(project / "ParGen.xml", rs485ParGen());
    writeFixture(project / "NMEA_0183_Set_Access.xml", rulesXml({rule(), rule({{"Position", "7"}})}));
    const CliResult result = runCli({"compile", project.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    const std::string image = readAll(project / "bin" / "bank.bin");
    ASSERT_EQ(image.size(), 3584u);
    EXPECT_EQ(image[0x25C], 2);
}

TEST(CompileCli, OutputOptionAndLeftOutWarning)
{
    TempDir dir;
    const auto project = dir / "Ship";
    std::vector<std::string> rows(130, rule());
    writeFixture(project / "ParGen.xml", rs485ParGen());
    writeFixture(project / "NMEA_0183_Set_Access.xml", rulesXml(rows));
    const CliResult result = runCli({"compile", project.string(), "-o", (dir / "out" / "image.bin").string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.err.find("warning"), std::string::npos);
    EXPECT_NE(result.err.find(": 2\n"), std::string::npos) << result.err;
    EXPECT_EQ(readAll(dir / "out" / "image.bin").size(), 3584u);
    EXPECT_FALSE(std::filesystem::exists(project / "bin"));
}

TEST(CompileCli, FileProblemsExitThreeNamingTheFile)
{
    struct Case {
        const char* name;
        std::string parGen;
        bool outputBlocked;
        bool rulesAreAFolder;
        const char* named;
    };
    for (const Case& c : {Case{"malformed ParGen", "<Par_Gen>", false, false, "ParGen.xml"},
                          Case{"rule file cannot be read", rs485ParGen(), false, true, "NMEA_0183_Set_Access.xml"},
                          Case{"image cannot be written", rs485ParGen(), true, false, "bin"}}) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto project = dir / "Ship";
        writeFixture(project / "ParGen.xml", c.parGen);
        if (c.outputBlocked)
            writeFixture(project / "bin", "a file where the folder belongs");
        if (c.rulesAreAFolder)
            std::filesystem::create_directories(project / "NMEA_0183_Set_Access.xml");
        const CliResult result = runCli({"compile", project.string()});
        EXPECT_EQ(result.exitCode, 3);
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(project / "bin" / "bank.bin"));
    }
}

TEST(CompileCli, MissingProjectFolderIsAUsageError)
{
    TempDir dir;
    EXPECT_EQ(runCli({"compile", (dir / "none").string()}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "none"));
}

TEST(UpdateDescriptionCli, SameFileAsTheDialogWrites)
{
    for (int option = 0; option <= 2; ++option) {
        for (const bool readBack : {true, false}) {
            TempDir dir;
            std::vector<std::string> args = {"update-description",
                                             "--project-dir",
                                             (dir / "P").string(),
                                             "--master-dir",
                                             (dir / "MASTER").string(),
                                             "--ip",
                                             "127.0.0.1",
                                             "--option",
                                             std::to_string(option),
                                             "-o",
                                             (dir / "d.xml").string()};
            if (!readBack)
                args.push_back("--no-read-back");
            const CliResult result = runCli(args);
            EXPECT_EQ(result.exitCode, 0) << result.err;
            UpdateRequest request{"127.0.0.1", option, readBack, dir / "MASTER", dir / "P"};
            EXPECT_EQ(readAll(dir / "d.xml"), Compile_XML_Parameter(request));
        }
    }
}

TEST(UpdateDescriptionCli, TheProfileChoosesTheFormOfTheDescription)
{
    TempDir dir;
    const auto args = [&dir](const std::string& profile) {
        return std::vector<std::string>{"update-description",
                                        "--project-dir",
                                        (dir / "P").string(),
                                        "--master-dir",
                                        (dir / "MASTER").string(),
                                        "--ip",
                                        "127.0.0.1",
                                        "--option",
                                        "2",
                                        "--profile",
                                        profile,
                                        "-o",
                                        (dir / "d.xml").string()};
    };
    const UpdateRequest request{"127.0.0.1", 2, true, dir / "MASTER", dir / "P"};
    ASSERT_EQ(runCli(args("damson")).exitCode, 0);
    EXPECT_EQ(readAll(dir / "d.xml"), Compile_XML_Parameter_New_Boot(request));
    ASSERT_EQ(runCli(args("Birch")).exitCode, 0);
    EXPECT_EQ(readAll(dir / "d.xml"), Compile_XML_Parameter(request));

    const CliResult unknown = runCli(args("Oak"));
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("Alder, Birch, Cedar, Damson, Elm"), std::string::npos) << unknown.err;
}

// The updater in the workspace reads Ethernet_Update.xml beside it, as the dialog writes it.
TEST(UpdateDescriptionCli, WorkspaceStandsForItsMasterFolderAndTheUpdatersFile)
{
    TempDir dir;
    const std::vector<std::string> common = {
        "update-description", "--project-dir",     (dir / "P").string(), "--ip", "127.0.0.1", "--option", "1",
        "--workspace",        (dir / "W").string()};
    std::filesystem::create_directories(dir / "W");
    const UpdateRequest request{"127.0.0.1", 1, true, dir / "W" / "MASTER", dir / "P"};

    const CliResult inWorkspace = runCli(common);
    ASSERT_EQ(inWorkspace.exitCode, 0) << inWorkspace.err;
    EXPECT_EQ(readAll(dir / "W" / "Ethernet_Update.xml"), Compile_XML_Parameter(request));

    std::vector<std::string> elsewhere = common;
    elsewhere.insert(elsewhere.end(), {"-o", (dir / "d.xml").string(), "--master-dir", (dir / "M").string()});
    ASSERT_EQ(runCli(elsewhere).exitCode, 0);
    EXPECT_EQ(readAll(dir / "d.xml"), Compile_XML_Parameter(UpdateRequest{"127.0.0.1", 1, true, dir / "M", dir / "P"}));
}

TEST(UpdateDescriptionCli, WithoutWorkspaceBothFoldersMustBeNamed)
{
    TempDir dir;
    const CliResult noOutput =
        runCli({"update-description", "--project-dir", "P", "--master-dir", "M", "--ip", "127.0.0.1", "--option", "0"});
    EXPECT_EQ(noOutput.exitCode, 2);
    EXPECT_NE(noOutput.err.find("--workspace DIR"), std::string::npos) << noOutput.err;
    const CliResult noMaster = runCli({"update-description", "--project-dir", "P", "--ip", "127.0.0.1", "--option", "0",
                                       "-o", (dir / "d.xml").string()});
    EXPECT_EQ(noMaster.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "d.xml"));
}

TEST(UpdateDescriptionCli, RefusesAnUnknownOption)
{
    TempDir dir;
    const CliResult result = runCli({"update-description", "--project-dir", "P", "--master-dir", "M", "--ip", "1.2.3.4",
                                     "--option", "3", "-o", (dir / "d.xml").string()});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "d.xml"));
}

} // namespace
} // namespace birch::test

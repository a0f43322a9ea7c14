#include "CliRun.h"
#include "ImageTestData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace birch::test {
namespace {

std::string capture(const char* name)
{
    return (std::filesystem::path(BIRCH_FIXTURES_DIR) / "capture" / name).string();
}

// ZDA and MTW on RS232, XDR transducer 2 on RS485 2, a disabled GGA.
std::filesystem::path writeProject(const TempDir& dir)
{
    const auto project = dir / "Harbour";
    writeFixture(
        project / "NMEA_0183_Set_Access.xml",
        rulesXml({rule({{"Serial_Channel", "RS232"}}),
                  rule({{"Serial_Channel", "RS232"},
                        {"Sentence", "MTW"},
                        {"DataField", "Water temperature, Number [floating point]"}}),
                  rule({{"Serial_Channel", "RS485 2"},
                        {"Sentence", "XDR"},
                        {"DataField", "Measurement data [floating point]"},
                        {"Index", "2"}}),
                  rule({{"Enable", "N"}, {"Sentence", "GGA"}, {"DataField", "GPS Quality indicator [decimal]"}})}));
    return project;
}

TEST(CaptureCheckCli, ExitCodeTellsWhetherEveryRuleWasSeen)
{
    struct Case {
        const char* capture;
        std::vector<std::string> port;
        int exitCode;
        std::vector<std::string> has;
    };
    const Case cases[] = {
        {"good.nmea", {}, 0, {"transducers 1-2", "GGA", "seen"}},
        {"timestamps.nmea", {}, 1, {"28 with a time stamp", "1.00", "never seen", "GSV"}},
        {"timestamps.nmea", {"--port", "RS232"}, 0, {"0.25", "GSV"}},
        {"bad-checksum.nmea", {"--port", "RS232"}, 0, {"4 with a wrong checksum"}},
        {"garbage.nmea", {"--port", "RS232"}, 1, {"5 not a sentence", "never seen"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::vector<std::string> args = {"capture-check", writeProject(dir).string(), capture(c.capture)};
        args.insert(args.end(), c.port.begin(), c.port.end());
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.capture << ":\n" << result.out << result.err;
        for (const std::string& part : c.has)
            EXPECT_NE(result.out.find(part), std::string::npos) << c.capture << " lacks " << part << ":\n"
                                                                << result.out;
    }
}

TEST(CaptureCheckCli, AnUnreadableCaptureOrRuleFileIsAFileError)
{
    TempDir dir;
    const auto project = writeProject(dir);
    CliResult result = runCli({"capture-check", project.string(), (dir / "missing.nmea").string()});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.err.find("missing.nmea"), std::string::npos) << result.err;

    result = runCli({"capture-check", project.string(), dir.path().string()});
    EXPECT_EQ(result.exitCode, 3) << "a folder is not a capture";

    writeFixture(project / "NMEA_0183_Set_Access.xml", "<NMEA_0183>");
    result = runCli({"capture-check", project.string(), capture("good.nmea")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.err.find("NMEA_0183_Set_Access.xml"), std::string::npos) << result.err;

    result = runCli({"capture-check", project.string(), capture("good.nmea"), "--port", "RS485"});
    EXPECT_EQ(result.exitCode, 2);
}

} // namespace
} // namespace birch::test

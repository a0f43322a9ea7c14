#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace birch::test {
namespace {

const std::string kLevel = "<row Topic=\"plant/level\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" "
                           "Position=\"0\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"N\" Mnemonic=\"Level\"/>";

std::string topicFile(const std::string& publish, const std::string& subscribe = "")
{
    return "<MQTT_Set_Topic><MQTT_Publish>" + publish + "</MQTT_Publish><MQTT_Subscribe>" + subscribe +
           "</MQTT_Subscribe></MQTT_Set_Topic><!--SW_VERSION = 1.000-->";
}

struct CliCheckMqtt : ::testing::Test {
    TempDir project;
    std::filesystem::path file = project / "MQTT_Set_Topic.xml";

    CliResult check(const std::string& bytes)
    {
        writeFixture(file, bytes);
        return runCli({"check", project.path().string()});
    }
};

TEST_F(CliCheckMqtt, PrintsTheMessageTheWindowWouldShow)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {"a row without data type",
         topicFile("<row Topic=\"plant/level\" Retained=\"N\" QoS=\"0\" Dimension=\"2\" Position=\"0\" "
                   "Mnemonic=\"Level\"/>"),
         "Error row 1!! [MQTT Publish] Data Type must be selected"},
        {"a failing row of the hidden subscribe list",
         topicFile(kLevel, "<row Topic=\"plant/set\" Retained=\"N\" QoS=\"0\" DataType=\"Float\" Dimension=\"2\" "
                           "Position=\"4\" Mnemonic=\"Set\"/>"),
         "Error row 1!! [MQTT Subscribe] Dimension must be equal to 4 or 8\nThis row is in the subscribe list read "
         "from the file, which this window does not show. OK saves the file without that list."},
        {"a row without a mnemonic", topicFile(kLevel + "<row Topic=\"t\" Retained=\"N\" QoS=\"0\"/>"),
         "Loading stopped at row 2 of MQTT_Publish: the row lacks the attribute Mnemonic. The tables hold only what "
         "stands before that point; OK keeps the file as a backup and saves the tables without the rest: " +
             file.string()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult run = check(c.bytes);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, file.string() + ": " + c.message + "\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(CliCheckMqtt, ValidTopicsPassAlsoWithASubscribeList)
{
    const CliResult run = check(topicFile(kLevel, "<row Topic=\"plant/set\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" "
                                                  "Dimension=\"2\" Position=\"4\" Template=\"\" Mnemonic=\"Set\"/>"));
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(CliCheckMqtt, UnparsableFileIsAFileError)
{
    const CliResult run = check("<MQTT_Set_Topic><MQTT_Publish>");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("The file is damaged and was not loaded: " + file.string(), 0), 0u) << run.err;
    // Where it is broken, and no word of a backup: a check replaces nothing.
    EXPECT_NE(run.err.find("Line 1, column "), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("backup"), std::string::npos) << run.err;
}

} // namespace
} // namespace birch::test

#include "CliRun.h"

#include <gtest/gtest.h>

namespace birch::test {
namespace {

// Runs `check` on a project holding only the given rule file; skips while this build has no
// `check` subcommand yet.
CliResult checkProject(const std::string& ruleFile)
{
    TempDir project;
    writeFixture(project / "NMEA_0183_Set_Access.xml", ruleFile);
    return runCli({"check", project.path().string()});
}

bool checkMissing(const CliResult& result)
{
    return result.exitCode == 2 && result.err.find("check") != std::string::npos;
}

TEST(CliCheckRules, ExitCodeAndMessageFollowTheRuleFile)
{
    const CliResult invalid =
        checkProject("<NMEA_0183><NMEA_Listener><row Sentence=\"ZDA\" DataField=\"hour "
                     "[decimal]\" PortOperation=\"\" Position=\"1\"/></NMEA_Listener></NMEA_0183>");
    if (checkMissing(invalid))
        GTEST_SKIP() << "no check subcommand in this build";
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_NE((invalid.out + invalid.err).find("Error row 1!! Post Operation Must be Selected"), std::string::npos);

    const CliResult malformed = checkProject("<NMEA_0183><NMEA_Listener>");
    EXPECT_EQ(malformed.exitCode, 3);
    EXPECT_NE((malformed.out + malformed.err).find("NMEA_0183_Set_Access.xml"), std::string::npos);

    const CliResult valid =
        checkProject("<NMEA_0183><NMEA_Listener><row Sentence=\"ZDA\" DataField=\"hour "
                     "[decimal]\" PortOperation=\"None\" Position=\"1\"/></NMEA_Listener></NMEA_0183>");
    EXPECT_EQ(valid.exitCode, 0) << valid.err;
}

} // namespace
} // namespace birch::test

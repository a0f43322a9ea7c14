#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace birch {
namespace {

using test::readAll;
using test::TempDir;
using test::writeFixture;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `birchcfg-cli check <project>` and collects its exit code and both streams.
CliRun runCheck(const TempDir& dir, const std::filesystem::path& project)
{
    const std::filesystem::path out = dir / "stdout.txt";
    const std::filesystem::path err = dir / "stderr.txt";
    const std::string command = std::string("'") + BIRCH_CLI + "' check '" + project.string() + "' >'" + out.string() +
                                "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readAll(out);
    run.err = readAll(err);
    return run;
}

struct CheckCommand : ::testing::Test {
    TempDir dir;
    std::filesystem::path project = dir / "PROJECTS" / "Ship";
    void SetUp() override { std::filesystem::create_directories(project); }
};

TEST_F(CheckCommand, ProjectWithoutParametersIsValid)
{
    const CliRun run = runCheck(dir, project);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST_F(CheckCommand, ValidParametersPass)
{
    writeFixture(project / "ParGen.xml", "<Par_Gen><MODBUS_SLAVE_IDDEVICE>247</MODBUS_SLAVE_IDDEVICE></Par_Gen>");
    EXPECT_EQ(runCheck(dir, project).exitCode, 0);
}

TEST_F(CheckCommand, ReportsTheFirstFailureInEnglish)
{
    writeFixture(project / "ParGen.xml", "<Par_Gen><MODBUS_SLAVE_IDDEVICE>248</MODBUS_SLAVE_IDDEVICE>"
                                         "<Ethernet_IP1>x</Ethernet_IP1></Par_Gen>");
    const CliRun run = runCheck(dir, project);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              (project / "ParGen.xml").string() + ": Error Modbus Slave!! ID Device must be between 1 and 247\n");
}

TEST_F(CheckCommand, UnparsableFileIsAFileError)
{
    writeFixture(project / "ParGen.xml", "<Par_Gen><Ethernet_IP1>1</Par_Gen>");
    const CliRun run = runCheck(dir, project);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find((project / "ParGen.xml").string()), std::string::npos) << run.err;
}

TEST_F(CheckCommand, MissingProjectFolderIsAUsageError)
{
    EXPECT_EQ(runCheck(dir, dir / "nowhere").exitCode, 2);
}

} // namespace
} // namespace birch

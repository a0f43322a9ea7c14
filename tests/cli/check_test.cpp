#include "CliRun.h"
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

// `check` replaces nothing, so it never speaks of a backup: it says the file cannot be used.
TEST_F(CheckCommand, DamagedFilesAreFileErrorsWithoutBackupTalk)
{
    struct Case {
        const char* file;
        std::string content;
        std::string told;
    };
    const Case cases[] = {
        {"ParGen.xml", "<Par_Gen>\n<a>\n</b>",
         "The file is damaged and was not loaded: {}\nLine 3, column 3: an end tag does not match its start tag, or "
         "an element is never closed\n"},
        {"NMEA_0183_Set_Access.xml", "<NMEA_0183>\n<NMEA_Listener>",
         "The file is damaged and was not loaded: {}\nLine 2, column 15: an end tag does not match its start tag, or "
         "an element is never closed\n"},
        {"NMEA_0183_Set_Access.xml", "<NMEA_0183/>",
         "The rule file has no NMEA_Listener element and no rule was loaded: {}\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        std::filesystem::remove_all(project);
        std::filesystem::create_directories(project);
        writeFixture(project / c.file, c.content);
        const CliRun run = runCheck(dir, project);
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(run.out, "");
        std::string told = c.told;
        told.replace(told.find("{}"), 2, (project / c.file).string());
        EXPECT_EQ(run.err, told);
        EXPECT_EQ(run.err.find("backup"), std::string::npos);
    }
}

// The same rules as `texts --language-file`: a Windows-1252 file without a mark, blanks kept by
// the pilcrow, later lines win.
TEST_F(CheckCommand, MessagesFollowTheLanguageFile)
{
    const auto language = dir / "Italiano.lng";
    writeFixture(language, "STR516 = Errore Modbus Slave!! ID fuori intervallo\r\n"
                           "EXT2 = \xB6Il file \xE8 danneggiato: \xB6\r\n"
                           "EXT4 = \xB6Ne sar\xE0 tenuta una copia: \xB6\r\n"
                           "EXT9 = \xB6Riga \xB6\r\nEXT10 = \xB6, colonna \xB6\r\n");
    writeFixture(project / "ParGen.xml", "<Par_Gen><MODBUS_SLAVE_IDDEVICE>248</MODBUS_SLAVE_IDDEVICE></Par_Gen>");
    writeFixture(project / "NMEA_0183_Set_Access.xml", "<NMEA_0183>\n<NMEA_Listener>\n</x>");

    const test::CliResult run = test::runCli({"check", project.string(), "--language-file", language.string()});

    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, (project / "ParGen.xml").string() + ": Errore Modbus Slave!! ID fuori intervallo\n");
    EXPECT_EQ(run.err, "Il file \xC3\xA8 danneggiato: " + (project / "NMEA_0183_Set_Access.xml").string() +
                           "\nRiga 3, colonna 3: an end tag does not match its start tag, or an element is never "
                           "closed\n");
}

TEST_F(CheckCommand, UnreadableLanguageFileExitsThreeNamingIt)
{
    writeFixture(project / "ParGen.xml", "<Par_Gen><MODBUS_SLAVE_IDDEVICE>248</MODBUS_SLAVE_IDDEVICE></Par_Gen>");
    const auto missing = (dir / "missing.lng").string();
    const test::CliResult run = test::runCli({"check", project.string(), "--language-file", missing});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
}

TEST_F(CheckCommand, MissingProjectFolderIsAUsageError)
{
    EXPECT_EQ(runCheck(dir, dir / "nowhere").exitCode, 2);
}

} // namespace
} // namespace birch

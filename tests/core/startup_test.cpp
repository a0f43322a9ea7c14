#include "app/StartUp.h"
#include "lang/FileNoticeText.h"

#include "FailingFileWriter.h"
#include "FileFaults.h"
#include "TempDir.h"
#include "common/FileRead.h"
#include "lang/ExtraTextNumbers.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

using test::readAll;
using test::TempDir;
using test::writeFixture;

constexpr const char* kFirstCloseDocument =
    "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
    "<lastlang><language>English</language></lastlang><lastinternet><enable_internet>0</enable_internet>"
    "<enable_update>0</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

std::vector<FileNotice> startIn(AppState& state, const std::filesystem::path& workspace,
                                const std::filesystem::path& shippedLanguages = {})
{
    AtomicFileWriter writer;
    return Start_Up(state, {workspace, shippedLanguages}, writer);
}

std::string settingsNaming(const std::string& project, const std::string& language)
{
    return "<Conf_Settings><lastproj><projectname>" + project + "</projectname></lastproj><lastlang><language>" +
           language +
           "</language></lastlang><lastinternet><enable_internet>1</enable_internet></lastinternet>"
           "</Conf_Settings>";
}

TEST(StartUp, FirstStartInAnEmptyFolder)
{
    TempDir dir;
    AppState state;
    state.ReadBackOption = false;
    state.UpdateOptionIndex = 2;
    state.CopyBuffer = {"Y", "RS232"};

    EXPECT_TRUE(startIn(state, dir.path()).empty());

    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(std::filesystem::is_directory(dir / folder)) << folder;
    EXPECT_EQ(state.MasterDir, dir / "MASTER");
    EXPECT_EQ(state.ProjectsDir, dir / "PROJECTS");
    EXPECT_EQ(state.LanguageDir, dir / "LANGUAGE");
    EXPECT_FALSE(state.projectActive());
    EXPECT_EQ(state.ProjectName, "");
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(state.LastIpAddress, "192.168.2.205");
    EXPECT_FALSE(state.EnableInternet || state.EnableUpdateCheck || state.JumpFieldOnEnter ||
                 state.DoubleClickAutoSize);
    EXPECT_TRUE(state.ReadBackOption);
    EXPECT_EQ(state.UpdateOptionIndex, 0);
    EXPECT_TRUE(state.CopyBuffer.empty());
    EXPECT_EQ(state.TextTable[9], "None Configuration Opened ");
    EXPECT_EQ(state.ParGenFile, std::filesystem::path("ParGen.xml"));

    AtomicFileWriter writer;
    EXPECT_FALSE(Save_Setting(state, writer).has_value());
    EXPECT_EQ(readAll(dir / "Mosaic.xml"), kFirstCloseDocument);
}

TEST(StartUp, WorkspaceFolderThatCannotBeCreatedIsIgnored)
{
    TempDir dir;
    writeFixture(dir / "PROJECTS", "a file where the folder belongs");
    std::filesystem::create_directory(dir / "MASTER");
    writeFixture(dir / "MASTER" / "Birchfw.sim", "firmware");
    AppState state;

    EXPECT_TRUE(startIn(state, dir.path()).empty());

    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "PROJECTS"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "MASTER" / "Birchfw.sim"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "LANGUAGE"));
    EXPECT_EQ(state.LanguageName, "English");
}

TEST(StartUp, RestoresTheRememberedProjectWhenItsFolderExists)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "PROJECTS" / "Ship 1");
    writeFixture(dir / "Mosaic.xml", settingsNaming("Ship 1", "English"));
    AppState state;

    startIn(state, dir.path());

    EXPECT_TRUE(state.projectActive());
    EXPECT_EQ(state.ProjectName, "Ship 1");
    EXPECT_EQ(state.ProjectDir, dir / "PROJECTS" / "Ship 1");
    EXPECT_EQ(state.ParGenFile, dir / "PROJECTS" / "Ship 1" / "ParGen.xml");
    EXPECT_EQ(state.NmeaAccessFile, dir / "PROJECTS" / "Ship 1" / "NMEA_0183_Set_Access.xml");
    EXPECT_EQ(state.MqttTopicFile, dir / "PROJECTS" / "Ship 1" / "MQTT_Set_Topic.xml");
    EXPECT_EQ(state.EtherCatSlaveFile, dir / "PROJECTS" / "Ship 1" / "EtherCAT_Slave.xml");
    EXPECT_TRUE(state.EnableInternet);
}

TEST(StartUp, DeletedProjectIsRememberedAndWrittenBack)
{
    TempDir dir;
    writeFixture(dir / "Mosaic.xml", settingsNaming("Gone", "English"));
    AppState state;

    startIn(state, dir.path());
    EXPECT_FALSE(state.projectActive());
    EXPECT_EQ(state.ProjectName, "Gone");

    AtomicFileWriter writer;
    ASSERT_FALSE(Save_Setting(state, writer).has_value());
    EXPECT_NE(readAll(dir / "Mosaic.xml").find("<projectname>Gone</projectname>"), std::string::npos);
}

TEST(StartUp, RememberedNameOutsideProjectsIsNoProject)
{
    TempDir dir;
    for (const std::string name : {"../MASTER", "..", "."}) {
        writeFixture(dir / "Mosaic.xml", settingsNaming(name, "English"));
        AppState state;
        startIn(state, dir.path());
        EXPECT_FALSE(state.projectActive()) << name;
        EXPECT_EQ(state.ProjectName, name);
    }
}

TEST(StartUp, MissingLanguageFileFallsBackToEnglishAndIsWrittenAtClose)
{
    TempDir dir;
    writeFixture(dir / "Mosaic.xml", settingsNaming("", "Klingon"));
    AppState state;

    EXPECT_TRUE(startIn(state, dir.path()).empty());
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(state.TextTable[13], "Options");

    AtomicFileWriter writer;
    ASSERT_FALSE(Save_Setting(state, writer).has_value());
    EXPECT_NE(readAll(dir / "Mosaic.xml").find("<language>English</language>"), std::string::npos);
}

TEST(StartUp, LoadsTheRememberedLanguage)
{
    TempDir dir;
    writeFixture(dir / "Mosaic.xml", settingsNaming("", "Italiano"));
    writeFixture(dir / "LANGUAGE" / "Italiano.lng", "STR13 = Opzioni\r\nEXT1 = \xB6Il file non si legge: \xB6\r\n");
    AppState state;

    EXPECT_TRUE(startIn(state, dir.path()).empty());
    EXPECT_EQ(state.LanguageName, "Italiano");
    EXPECT_EQ(state.TextTable[13], "Opzioni");
    EXPECT_EQ(state.Extra[ext::kFileCannotBeRead], "Il file non si legge: ");
}

TEST(StartUp, FirstStartInANewUserFolderCreatesItAndCopiesTheShippedFiles)
{
    TempDir dir;
    writeFixture(dir / "shipped" / "Deutsch.lng", "\xEF\xBB\xBFSTR13 = Optionen\n");
    writeFixture(dir / "shipped" / "Deutsch.bmp", "BM picture");
    // A fresh account: not even ~/.local/share exists yet.
    const std::filesystem::path workspace = dir / "home" / ".local" / "share" / "birchcfg";
    AppState state;

    EXPECT_TRUE(startIn(state, workspace, dir / "shipped").empty());

    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(std::filesystem::is_directory(workspace / folder)) << folder;
    EXPECT_EQ(readAll(workspace / "LANGUAGE" / "Deutsch.lng"), "\xEF\xBB\xBFSTR13 = Optionen\n");
    EXPECT_EQ(readAll(workspace / "LANGUAGE" / "Deutsch.bmp"), "BM picture");
    EXPECT_EQ(state.AppDir, workspace);
    EXPECT_EQ(state.LanguageName, "English");
}

TEST(StartUp, ShippedLanguagesAreCopiedBeforeTheLanguageIsLoaded)
{
    TempDir dir;
    writeFixture(dir / "shipped" / "Deutsch.lng", "\xEF\xBB\xBFSTR13 = Optionen\n");
    writeFixture(dir / "ws" / "Mosaic.xml", settingsNaming("", "Deutsch"));
    AppState state;

    EXPECT_TRUE(startIn(state, dir / "ws", dir / "shipped").empty());

    EXPECT_EQ(state.LanguageName, "Deutsch");
    EXPECT_EQ(state.TextsLanguage, "Deutsch");
    EXPECT_EQ(state.TextTable[13], "Optionen");
}

TEST(StartUp, ShippedLanguageNeverReplacesTheWorkspacesCopy)
{
    TempDir dir;
    writeFixture(dir / "shipped" / "Italiano.lng", "STR13 = Opzioni\n");
    writeFixture(dir / "ws" / "LANGUAGE" / "Italiano.lng", "STR13 = Impostazioni\n");
    writeFixture(dir / "ws" / "Mosaic.xml", settingsNaming("", "Italiano"));
    AppState state;

    EXPECT_TRUE(startIn(state, dir / "ws", dir / "shipped").empty());

    EXPECT_EQ(readAll(dir / "ws" / "LANGUAGE" / "Italiano.lng"), "STR13 = Impostazioni\n");
    EXPECT_EQ(state.TextTable[13], "Impostazioni");
}

TEST(StartUp, ShippedFileThatCannotBeCopiedIsReportedAndStartUpGoesOn)
{
    TempDir dir;
    writeFixture(dir / "shipped" / "Italiano.lng", "STR13 = Opzioni\n");
    writeFixture(dir / "Mosaic.xml", settingsNaming("", "Italiano"));
    AppState state;

    test::FailingFileWriter writer("disk full");
    const auto notices = Start_Up(state, {dir.path(), dir / "shipped"}, writer);

    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].ext, ext::kFileCannotBeWritten);
    EXPECT_EQ(notices[0].file, dir / "LANGUAGE" / "Italiano.lng");
    EXPECT_EQ(notices[0].reason, "disk full");
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(state.TextTable[13], "Options");
}

TEST(StartUp, UnreadableLanguageFileKeepsDefaultsAndIsReported)
{
    TempDir dir;
    writeFixture(dir / "Mosaic.xml", settingsNaming("", "Italiano"));
    // Too large to be read, also for root.
    writeFixture(dir / "LANGUAGE" / "Italiano.lng", "STR13 = Opzioni\n");
    std::filesystem::resize_file(dir / "LANGUAGE" / "Italiano.lng", kMaxParsedFileSize + 1);
    AppState state;

    const auto notices = startIn(state, dir.path());

    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].ext, ext::kFileCannotBeRead);
    EXPECT_EQ(notices[0].file, dir / "LANGUAGE" / "Italiano.lng");
    TextList defaults;
    Load_Default_Texts(defaults);
    EXPECT_EQ(state.TextTable.entries(), defaults.entries());
    const std::string message = describe(state, notices[0]);
    EXPECT_EQ(message.rfind(state.Extra[ext::kFileCannotBeRead] + (dir / "LANGUAGE" / "Italiano.lng").string(), 0), 0u)
        << message;
}

TEST(StartUp, DamagedSettingsFileIsReportedOnceAndKeptBeforeItIsReplaced)
{
    TempDir dir;
    const std::string damaged = "<Conf_Settings><lastlang><language>Deutsch";
    writeFixture(dir / "Mosaic.xml", damaged);
    writeFixture(dir / "Mosaic.xml.bak", "an older backup");
    AppState state;

    const auto notices = startIn(state, dir.path());

    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].ext, ext::kFileCannotBeParsed);
    EXPECT_EQ(notices[0].file, dir / "Mosaic.xml");
    EXPECT_TRUE(notices[0].keptAsBackup);
    const std::string message = describe(state, notices[0]);
    EXPECT_NE(message.find(state.Extra[ext::kFileKeptAsBackup]), std::string::npos) << message;
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_EQ(readAll(dir / "Mosaic.xml"), damaged) << "start-up never touches the damaged file";

    AtomicFileWriter writer;
    ASSERT_FALSE(Save_Setting(state, writer).has_value());
    EXPECT_EQ(readAll(dir / "Mosaic.xml.bak"), "an older backup");
    EXPECT_EQ(readAll(dir / "Mosaic.xml.bak.1"), damaged);
    EXPECT_EQ(readAll(dir / "Mosaic.xml"), kFirstCloseDocument);

    // The next save replaces the sound file written just now without another backup.
    ASSERT_FALSE(Save_Setting(state, writer).has_value());
    EXPECT_FALSE(std::filesystem::exists(dir / "Mosaic.xml.bak.2"));
}

TEST(StartUp, DamagedSettingsFileIsNotReplacedWhenNoBackupCanBeMade)
{
    TempDir dir;
    writeFixture(dir / "Mosaic.xml", "<broken");
    AppState state;
    startIn(state, dir.path());
    FileSystemCalls calls = systemFileSystemCalls();
    calls.rename = test::failWith(EACCES);
    const ScopedFileSystemCalls renameRefused(calls);

    AtomicFileWriter writer;
    const auto notice = Save_Setting(state, writer);

    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->ext, ext::kFileCannotBeWritten);
    EXPECT_EQ(readAll(dir / "Mosaic.xml"), "<broken");
}

TEST(StartUp, SettingsThatCannotBeWrittenAreReported)
{
    TempDir dir;
    AppState state;
    startIn(state, dir.path());

    test::FailingFileWriter writer("disk full");
    const auto notice = Save_Setting(state, writer);

    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->ext, ext::kFileCannotBeWritten);
    EXPECT_EQ(notice->file, dir / "Mosaic.xml");
    EXPECT_EQ(notice->reason, "disk full");
    ASSERT_EQ(writer.attempts.size(), 1u);
    EXPECT_NE(describe(state, *notice).find("disk full"), std::string::npos);
}

TEST(StartUp, SetFilesWithoutProjectGivesBareNames)
{
    AppState state;
    state.ProjectDir = "/work/PROJECTS/A";
    Set_Files(state);
    EXPECT_EQ(state.ParGenFile, std::filesystem::path("/work/PROJECTS/A/ParGen.xml"));
    state.ProjectDir.clear();
    Set_Files(state);
    EXPECT_EQ(state.EtherCatSlaveFile, std::filesystem::path("EtherCAT_Slave.xml"));
}

} // namespace
} // namespace birch

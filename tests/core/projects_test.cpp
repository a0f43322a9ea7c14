#include "app/Projects.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace birch {
namespace {

namespace fs = std::filesystem;

class ProjectsTest : public testing::Test {
protected:
    ProjectsTest()
    {
        state.AppDir = dir.path();
        state.ProjectsDir = dir.path() / "PROJECTS";
        fs::create_directories(state.ProjectsDir / "Existing");
    }

    test::TempDir dir;
    AppState state;
};

struct RefusedName {
    std::string name;
    NewProjectResult expected;
    int message;
};

void PrintTo(const RefusedName& c, std::ostream* os)
{
    *os << '"';
    for (const char ch : c.name)
        *os << (ch == '\0' ? std::string("\\0") : std::string(1, ch));
    *os << '"';
}

class RefusedNameTest : public ProjectsTest, public testing::WithParamInterface<RefusedName> {};

TEST_P(RefusedNameTest, LeavesStateAndDiskAlone)
{
    state.ProjectName = "Before";
    const auto before = std::vector<fs::path>(fs::recursive_directory_iterator(dir.path()), {});

    const NewProjectResult result = Create_Project(state, GetParam().name);

    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(newProjectMessage(result), GetParam().message);
    EXPECT_EQ(state.ProjectName, "Before");
    EXPECT_TRUE(state.ProjectDir.empty());
    EXPECT_EQ(std::vector<fs::path>(fs::recursive_directory_iterator(dir.path()), {}), before);
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedNameTest,
                         testing::Values(RefusedName{"", NewProjectResult::EmptyName, 107},
                                         RefusedName{"Existing", NewProjectResult::AlreadyExists, 106},
                                         RefusedName{".", NewProjectResult::AlreadyExists, 106},
                                         RefusedName{"..", NewProjectResult::AlreadyExists, 106},
                                         // Would reach outside PROJECTS or hide the project from the open dialog.
                                         RefusedName{"../Outside", NewProjectResult::NotValid, 105},
                                         RefusedName{"a/b", NewProjectResult::NotValid, 105},
                                         RefusedName{"Existing/bin2", NewProjectResult::NotValid, 105},
                                         RefusedName{".Hidden", NewProjectResult::NotValid, 105},
                                         RefusedName{std::string("nul\0name", 8), NewProjectResult::NotValid, 105}));

TEST_F(ProjectsTest, CreatesFolderWithBinAndMakesItActive)
{
    // The name is taken exactly as typed, blanks included.
    ASSERT_EQ(Create_Project(state, " Ship 1 "), NewProjectResult::Created);

    const fs::path folder = state.ProjectsDir / " Ship 1 ";
    EXPECT_TRUE(fs::is_directory(folder / "bin"));
    EXPECT_EQ(state.ProjectName, " Ship 1 ");
    EXPECT_EQ(state.ProjectDir, folder);
    EXPECT_EQ(state.ParGenFile, folder / "ParGen.xml");
    EXPECT_EQ(state.NmeaAccessFile, folder / "NMEA_0183_Set_Access.xml");
    EXPECT_EQ(state.MqttTopicFile, folder / "MQTT_Set_Topic.xml");
    EXPECT_EQ(state.EtherCatSlaveFile, folder / "EtherCAT_Slave.xml");
    EXPECT_TRUE(fs::is_empty(folder / "bin"));
}

TEST_F(ProjectsTest, FolderThatCannotBeCreatedIsText105)
{
    state.ProjectsDir = dir.path() / "missing";
    EXPECT_EQ(Create_Project(state, "Ship"), NewProjectResult::NotValid);
    EXPECT_FALSE(fs::exists(state.ProjectsDir));
    EXPECT_TRUE(state.ProjectDir.empty());
}

TEST_F(ProjectsTest, FileOfThatNameIsText105)
{
    test::writeFixture(state.ProjectsDir / "plain", "x");
    EXPECT_EQ(Create_Project(state, "plain"), NewProjectResult::NotValid);
}

TEST_F(ProjectsTest, ListsVisibleFoldersSortedIgnoringCase)
{
    for (const char* name : {"beta", "Alpha", "gamma", "alpha", ".hidden", "Delta 2"})
        fs::create_directories(state.ProjectsDir / name);
    test::writeFixture(state.ProjectsDir / "notes.txt", "not a project");
    fs::create_symlink(state.ProjectsDir / "notes.txt", state.ProjectsDir / "link-to-file");

    EXPECT_EQ(Load_Existing_Configuration(state.ProjectsDir),
              (std::vector<std::string>{"Alpha", "alpha", "beta", "Delta 2", "Existing", "gamma"}));
}

TEST_F(ProjectsTest, FolderThatCannotBeListedGivesEmptyList)
{
    EXPECT_TRUE(Load_Existing_Configuration(dir.path() / "missing").empty());
    test::writeFixture(dir.path() / "file", "x");
    EXPECT_TRUE(Load_Existing_Configuration(dir.path() / "file").empty());
}

TEST(SearchOpenConf, FindsFirstEntryIgnoringAsciiCase)
{
    const std::vector<std::string> SL{"alpha", "Ship", "SHIP", "Überfahrt"};
    EXPECT_EQ(Search_Open_Conf(SL, "ship"), 1);
    EXPECT_EQ(Search_Open_Conf(SL, "ALPHA"), 0);
    EXPECT_EQ(Search_Open_Conf(SL, "Überfahrt"), 3);
    EXPECT_EQ(Search_Open_Conf(SL, "übERFAHRT"), -1); // only ASCII letters fold
    EXPECT_EQ(Search_Open_Conf(SL, ""), -1);
    EXPECT_EQ(Search_Open_Conf({}, "alpha"), -1);
}

TEST_F(ProjectsTest, ActiveProjectNameIsWhatFollowsProjectsDir)
{
    EXPECT_EQ(activeProjectName(state), "");
    state.ProjectDir = state.ProjectsDir / "Ship";
    EXPECT_EQ(activeProjectName(state), "Ship");
    state.ProjectDir = dir.path() / "elsewhere" / "Ship";
    EXPECT_EQ(activeProjectName(state), "");
}

TEST_F(ProjectsTest, OpeningAnEmptyChoiceLeavesNoProjectActive)
{
    Open_Chosen_Project(state, "Existing");
    EXPECT_EQ(state.ProjectDir, state.ProjectsDir / "Existing");
    EXPECT_EQ(state.ParGenFile, state.ProjectsDir / "Existing" / "ParGen.xml");

    Open_Chosen_Project(state, "");
    EXPECT_EQ(state.ProjectName, "");
    EXPECT_TRUE(state.ProjectDir.empty());
    EXPECT_EQ(state.ParGenFile, fs::path("ParGen.xml"));
}

} // namespace
} // namespace birch

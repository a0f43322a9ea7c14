#include "app/Projects.h"

#include "TempDir.h"

#include "lang/ExtraTextNumbers.h"
#include "platform/FileNameLimit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>
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
    NameProblem problem = NameProblem::None;
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

    const NewProject outcome = Create_Project(state, GetParam().name);

    EXPECT_EQ(outcome.result, GetParam().expected);
    EXPECT_EQ(outcome.problem, GetParam().problem);
    EXPECT_EQ(newProjectMessage(outcome.result), GetParam().message);
    EXPECT_EQ(state.ProjectName, "Before");
    EXPECT_TRUE(state.ProjectDir.empty());
    EXPECT_EQ(std::vector<fs::path>(fs::recursive_directory_iterator(dir.path()), {}), before);
}

// 128 letters, but 256 bytes: the file system counts bytes.
const std::string kLongUtf8Name = [] {
    std::string name;
    for (int i = 0; i < 128; ++i)
        name += "\xC3\xA9";
    return name;
}();

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedNameTest,
    testing::Values(RefusedName{"", NewProjectResult::EmptyName, 107},
                    RefusedName{"Existing", NewProjectResult::AlreadyExists, 106},
                    RefusedName{".", NewProjectResult::AlreadyExists, 106},
                    RefusedName{"..", NewProjectResult::AlreadyExists, 106},
                    // Would reach outside PROJECTS or hide the project from the open dialog.
                    RefusedName{"../Outside", NewProjectResult::NotValid, 105, NameProblem::Separator},
                    RefusedName{"a/b", NewProjectResult::NotValid, 105, NameProblem::Separator},
                    RefusedName{"Existing/bin2", NewProjectResult::NotValid, 105, NameProblem::Separator},
                    RefusedName{".Hidden", NewProjectResult::NotValid, 105, NameProblem::LeadingDot},
                    RefusedName{std::string("nul\0name", 8), NewProjectResult::NotValid, 105, NameProblem::Nul},
                    RefusedName{std::string(256, 'x'), NewProjectResult::NotValid, 105, NameProblem::TooLong},
                    RefusedName{kLongUtf8Name, NewProjectResult::NotValid, 105, NameProblem::TooLong}));

TEST_F(ProjectsTest, TheMessageGivesTheReasonAfterText105)
{
    TextList texts;
    Load_Default_Texts(texts);
    const ExtraTexts extra;
    const std::string notValid = texts[105] + "\n";
    struct Case {
        std::string name;
        std::string message;
    };
    for (const Case& c :
         {Case{"a/b", notValid + extra[ext::kNameHasSeparator]},
          Case{".Hidden", notValid + extra[ext::kNameStartsWithDot]},
          Case{std::string("a\0b", 3), notValid + extra[ext::kNameHasNul]},
          Case{kLongUtf8Name, notValid + extra[ext::kNameTooLong] + "256" + extra[ext::kNameTooLongLimit] +
                                  std::to_string(maxFileNameBytes(state.ProjectsDir))},
          Case{"", texts[107]}, Case{"Existing", texts[106]}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(newProjectMessage(texts, extra, Create_Project(state, c.name)), c.message);
    }
}

TEST_F(ProjectsTest, NameOfTheLongestLengthIsTaken)
{
    const std::string longest(maxFileNameBytes(state.ProjectsDir), 'x');
    ASSERT_TRUE(Create_Project(state, longest).created());
    EXPECT_TRUE(fs::is_directory(state.ProjectsDir / longest / "bin"));
}

TEST_F(ProjectsTest, CreatesFolderWithBinAndMakesItActive)
{
    // The name is taken exactly as typed, blanks included.
    ASSERT_TRUE(Create_Project(state, " Ship 1 ").created());

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

TEST_F(ProjectsTest, FolderThatCannotBeCreatedIsText105WithTheSystemsReason)
{
    state.ProjectsDir = dir.path() / "missing";
    const NewProject outcome = Create_Project(state, "Ship");
    EXPECT_EQ(outcome.result, NewProjectResult::NotValid);
    EXPECT_EQ(outcome.problem, NameProblem::NotCreated);
    EXPECT_EQ(outcome.systemReason, std::make_error_code(std::errc::no_such_file_or_directory).message());
    EXPECT_FALSE(fs::exists(state.ProjectsDir));
    EXPECT_TRUE(state.ProjectDir.empty());
}

TEST_F(ProjectsTest, FileOfThatNameIsText105)
{
    test::writeFixture(state.ProjectsDir / "plain", "x");
    const NewProject outcome = Create_Project(state, "plain");
    EXPECT_EQ(outcome.result, NewProjectResult::NotValid);
    EXPECT_EQ(outcome.problem, NameProblem::NotCreated);
    EXPECT_EQ(outcome.systemReason, std::make_error_code(std::errc::file_exists).message());
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

#include "app/Workspace.h"
#include "platform/WritableFolder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace birch {
namespace {

using test::TempDir;

struct WorkspaceCase {
    const char* name;
    WorkspaceInputs inputs;
    std::filesystem::path expected; // empty: no workspace, and the error tells why
};

class WorkspaceChoiceTest : public testing::TestWithParam<WorkspaceCase> {};

TEST_P(WorkspaceChoiceTest, FollowsTheOrderOfPreference)
{
    const WorkspaceChoice choice = chooseWorkspace(GetParam().inputs);
    EXPECT_EQ(choice.folder, GetParam().expected);
    if (GetParam().expected.empty())
        EXPECT_NE(choice.error.find("--workspace DIR"), std::string::npos) << choice.error;
    else
        EXPECT_EQ(choice.error, "");
}

const std::filesystem::path kBin = "/usr/bin";

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkspaceChoiceTest,
    testing::Values(
        WorkspaceCase{"ExplicitFolderWinsOverAWritableProgramFolder",
                      {"/srv/birch", kBin, true, "/xdg", "/home/u"},
                      "/srv/birch"},
        WorkspaceCase{"WritableProgramFolder", {std::nullopt, "/opt/birch", true, "/xdg", "/home/u"}, "/opt/birch"},
        WorkspaceCase{"ReadOnlyProgramFolderGoesToXdgDataHome",
                      {std::nullopt, kBin, false, "/home/u/data", "/home/u"},
                      "/home/u/data/birchcfg"},
        WorkspaceCase{"UnsetXdgDataHomeMeansLocalShare",
                      {std::nullopt, kBin, false, std::nullopt, "/home/u"},
                      "/home/u/.local/share/birchcfg"},
        WorkspaceCase{"EmptyXdgDataHomeCountsAsUnset",
                      {std::nullopt, kBin, false, "", "/home/u"},
                      "/home/u/.local/share/birchcfg"},
        WorkspaceCase{"RelativeXdgDataHomeIsIgnored",
                      {std::nullopt, kBin, false, "data", "/home/u"},
                      "/home/u/.local/share/birchcfg"},
        WorkspaceCase{"NoUserFolderAtAll", {std::nullopt, kBin, false, std::nullopt, std::nullopt}, ""},
        WorkspaceCase{"RelativeHomeIsNoUserFolder", {std::nullopt, kBin, false, std::nullopt, "home/u"}, ""},
        WorkspaceCase{"ExplicitFolderNeedsNoUserFolder",
                      {"/srv/birch/../birch2", kBin, false, std::nullopt, std::nullopt},
                      "/srv/birch2"}),
    [](const testing::TestParamInfo<WorkspaceCase>& info) { return std::string(info.param.name); });

TEST(WorkspaceChoice, RelativeExplicitFolderIsTakenFromTheCurrentFolder)
{
    const WorkspaceChoice choice = chooseWorkspace({"work/birch", kBin, false, std::nullopt, std::nullopt});
    EXPECT_EQ(choice.folder, std::filesystem::current_path() / "work" / "birch");
}

TEST(WorkspaceChoice, ShippedLanguagesLieInTheDataFolderBesideTheProgramFolder)
{
    EXPECT_EQ(shippedLanguageFolder("/usr/bin"), std::filesystem::path("/usr/share/birchcfg/languages"));
    EXPECT_EQ(shippedLanguageFolder("/opt/birch/bin"), std::filesystem::path("/opt/birch/share/birchcfg/languages"));
}

TEST(WritableFolder, AnExistingFolderThisUserMayWriteIsWritable)
{
    TempDir dir;
    EXPECT_TRUE(isWritableFolder(dir.path()));
    EXPECT_FALSE(isWritableFolder(dir / "missing"));
    test::writeFixture(dir / "file", "not a folder");
    EXPECT_FALSE(isWritableFolder(dir / "file"));
}

TEST(WritableFolder, AFolderWithoutWritePermissionIsNot)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any folder; the install test checks this as an ordinary user";
    TempDir dir;
    std::filesystem::create_directory(dir / "bin");
    std::filesystem::permissions(dir / "bin", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(isWritableFolder(dir / "bin"));
    std::filesystem::permissions(dir / "bin", std::filesystem::perms::owner_all);
}

} // namespace
} // namespace birch

#include "app/ProgramArguments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace birch {
namespace {

struct ArgumentCase {
    std::vector<std::string> arguments;
    DeviceProfile profile;
    bool help;
    std::string errorPart; // empty: no error expected
};

class ProgramArgumentsTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ProgramArgumentsTest, ChoosesTheProfileOrTellsWhy)
{
    const ArgumentCase& c = GetParam();
    const ProgramArguments parsed = parseProgramArguments(c.arguments);
    if (c.errorPart.empty()) {
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.profile, c.profile);
    } else {
        EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << parsed.error;
    }
    EXPECT_EQ(parsed.help, c.help);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramArgumentsTest,
    ::testing::Values(ArgumentCase{{}, kDefaultProfile, false, ""},
                      ArgumentCase{{"--profile", "Alder"}, DeviceProfile::Alder, false, ""},
                      ArgumentCase{{"--profile", "dAMSON"}, DeviceProfile::Damson, false, ""},
                      ArgumentCase{{"--profile=ELM"}, DeviceProfile::Elm, false, ""},
                      ArgumentCase{{"--profile", "Cedar", "--profile", "Birch"}, DeviceProfile::Birch, false, ""},
                      // The toolkit's own options are left to it.
                      ArgumentCase{{"-platform", "offscreen", "--profile", "cedar"}, DeviceProfile::Cedar, false, ""},
                      ArgumentCase{{"--help"}, kDefaultProfile, true, ""},
                      ArgumentCase{{"--profile", "Oak"}, kDefaultProfile, false, "Alder, Birch, Cedar, Damson, Elm"},
                      ArgumentCase{{"--profile="}, kDefaultProfile, false, "unknown profile \"\""},
                      ArgumentCase{{"--profile", " Alder"}, kDefaultProfile, false, "unknown profile \" Alder\""},
                      ArgumentCase{{"--profile"}, kDefaultProfile, false, "needs a profile name"}));

struct WorkspaceCase {
    std::vector<std::string> arguments;
    std::optional<std::filesystem::path> workspace;
    std::string errorPart; // empty: no error expected
};

class WorkspaceArgumentTest : public ::testing::TestWithParam<WorkspaceCase> {};

TEST_P(WorkspaceArgumentTest, NamesTheFolderOrTellsWhy)
{
    const WorkspaceCase& c = GetParam();
    const ProgramArguments parsed = parseProgramArguments(c.arguments);
    if (c.errorPart.empty()) {
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.workspace, c.workspace);
    } else {
        EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << parsed.error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkspaceArgumentTest,
    ::testing::Values(WorkspaceCase{{}, std::nullopt, ""},
                      WorkspaceCase{{"--workspace", "/srv/birch"}, "/srv/birch", ""},
                      WorkspaceCase{{"--workspace=work/birch"}, "work/birch", ""},
                      // A folder whose name looks like an option is still the folder.
                      WorkspaceCase{{"--workspace", "--profile"}, "--profile", ""},
                      WorkspaceCase{{"--workspace", "/a", "--profile", "Elm", "--workspace=/b"}, "/b", ""},
                      WorkspaceCase{{"--workspace"}, std::nullopt, "--workspace needs a folder"},
                      WorkspaceCase{{"--workspace="}, std::nullopt, "--workspace needs a folder"},
                      WorkspaceCase{{"--workspace", ""}, std::nullopt, "--workspace needs a folder"}));

TEST(DeviceProfileNames, EveryProfileReadsBackFromItsName)
{
    for (const DeviceProfile profile : kDeviceProfiles)
        EXPECT_EQ(parseProfile(profileName(profile)), profile);
}

} // namespace
} // namespace birch

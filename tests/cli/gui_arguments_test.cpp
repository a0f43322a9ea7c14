#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace birch::test {
namespace {

// The configurator refuses a wrong profile before it opens any window, so this runs headless.
TEST(GuiArguments, UnknownProfileIsAUsageErrorListingTheFive)
{
    const CliResult result = runProgram(BIRCH_GUI, {"--profile", "Oak"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("\"Oak\""), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Alder, Birch, Cedar, Damson, Elm"), std::string::npos) << result.err;
}

TEST(GuiArguments, ProfileWithoutNameIsAUsageError)
{
    const CliResult result = runProgram(BIRCH_GUI, {"--profile"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("--profile needs a profile name"), std::string::npos) << result.err;
}

TEST(GuiArguments, HelpNamesTheProfileOption)
{
    const CliResult result = runProgram(BIRCH_GUI, {"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("--profile NAME"), std::string::npos) << result.out;
}

// The help tells where this run keeps its files: the build's own folder, which can be written,
// unless --workspace names another.
TEST(GuiArguments, HelpNamesTheWorkspaceOfTheRun)
{
    const CliResult besideTheProgram = runProgram(BIRCH_GUI, {"--help"});
    EXPECT_NE(besideTheProgram.out.find(
                  "Workspace of this run: " + std::filesystem::path(BIRCH_GUI).parent_path().string() + "\n"),
              std::string::npos)
        << besideTheProgram.out;

    TempDir dir;
    const CliResult chosen = runProgram(BIRCH_GUI, {"--workspace=" + (dir / "w").string(), "--help"});
    EXPECT_NE(chosen.out.find("Workspace of this run: " + (dir / "w").string() + "\n"), std::string::npos)
        << chosen.out;
    EXPECT_FALSE(std::filesystem::exists(dir / "w")) << "asking for help creates nothing";
}

TEST(GuiArguments, WorkspaceWithoutFolderIsAUsageError)
{
    const CliResult result = runProgram(BIRCH_GUI, {"--workspace"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("--workspace needs a folder"), std::string::npos) << result.err;
}

} // namespace
} // namespace birch::test

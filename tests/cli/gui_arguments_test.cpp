#include "CliRun.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace birch::test

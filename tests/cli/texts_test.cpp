#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace birch {
namespace {

using test::runCli;

const std::string kFixture = std::string(BIRCH_FIXTURES_DIR) + "/italiano-cp1252.lng";

TEST(CliTexts, PrintsTheDefaultTableAsOneJsonArray)
{
    const auto result = runCli({"texts", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto texts = nlohmann::json::parse(result.out);
    ASSERT_TRUE(texts.is_array());
    ASSERT_EQ(texts.size(), 1600u);
    EXPECT_EQ(texts[0], "Begin");
    EXPECT_EQ(texts[9], "None Configuration Opened ");
    EXPECT_EQ(texts[306], " / ");
    EXPECT_EQ(texts[38], " ");
    EXPECT_EQ(texts[1599], " ");
}

TEST(CliTexts, OverlaysTheLanguageFile)
{
    const auto result = runCli({"texts", "--json", "--language-file", kFixture});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto texts = nlohmann::json::parse(result.out);
    ASSERT_EQ(texts.size(), 1600u);
    EXPECT_EQ(texts[13], "Opzioni del programma");
    EXPECT_EQ(texts[38], "Nuovo ");
    EXPECT_EQ(texts[12], "Information");
}

TEST(CliTexts, UnreadableLanguageFileExitsThreeNamingIt)
{
    test::TempDir dir;
    for (const auto& file : {(dir / "missing.lng").string(), dir.path().string()}) {
        const auto result = runCli({"texts", "--json", "--language-file", file});
        EXPECT_EQ(result.exitCode, 3) << file;
        EXPECT_TRUE(result.out.empty());
        EXPECT_NE(result.err.find(file), std::string::npos) << result.err;
    }
}

TEST(CliTexts, UsageErrorsExitTwo)
{
    EXPECT_EQ(runCli({"texts"}).exitCode, 2) << "the output format must be named";
    EXPECT_EQ(runCli({"texts", "--json", "--bogus"}).exitCode, 2);
    EXPECT_EQ(runCli({"nonsense"}).exitCode, 2);
    EXPECT_EQ(runCli({"texts", "--json", "--language-file"}).exitCode, 2);
}

TEST(Cli, VersionAndHelp)
{
    const auto version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_NE(version.out.find("Birchcfg 1.101"), std::string::npos) << version.out;

    const auto help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("texts"), std::string::npos) << help.out;
}

} // namespace
} // namespace birch

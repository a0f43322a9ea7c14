#include "CliRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace birch::test {
namespace {

std::string fixture(const std::string& name)
{
    return std::string(BIRCH_FIXTURES_DIR) + "/lang-check/" + name;
}

struct LangCheckCase {
    const char* file;
    std::string encoding;
    std::string finding; // what the report says, after "FILE:"
};

class LangCheckCli : public testing::TestWithParam<LangCheckCase> {};

// A translator reads the report beside the file: each finding names the file and the line.
TEST_P(LangCheckCli, ReportsTheFindingWithItsLineAndExitsOne)
{
    const std::string file = fixture(GetParam().file);
    const CliResult result = runCli({"lang-check", file});
    EXPECT_EQ(result.exitCode, 1) << result.out << result.err;
    EXPECT_NE(result.out.find(file + ": encoding: " + GetParam().encoding + "\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(file + ":" + GetParam().finding), std::string::npos) << result.out;
    // Every fixture is short, so the English texts it lacks are listed too.
    EXPECT_NE(result.out.find(file + ": text 0 is missing (English: \"Begin\")\n"), std::string::npos) << result.out;
}

const std::string kUtf8 = "UTF-8 with byte-order mark";

INSTANTIATE_TEST_SUITE_P(
    Fixtures, LangCheckCli,
    testing::Values(
        LangCheckCase{"prefix-case.lng", kUtf8, "3: ignored: an entry begins with STR or EXT in capital letters\n"},
        LangCheckCase{"no-equals.lng", kUtf8, "2: ignored: no \"=\" between the number and the text\n"},
        LangCheckCase{"out-of-range.lng", kUtf8, "2: ignored: the number is out of range"},
        LangCheckCase{"set-twice.lng", kUtf8, "3: text 13 is set again (first at line 1); the later line wins\n"},
        LangCheckCase{"blanks.lng", kUtf8, "2: text 305 ends with no blank (English: 1 blank)"},
        LangCheckCase{"utf8-without-mark.lng", "Windows-1252 (no byte-order mark)",
                      "2: the file has no byte-order mark, so it is read as Windows-1252, but it is UTF-8"}));

TEST(LangCheckCliFile, CompleteFileFromTheProgramPasses)
{
    TempDir dir;
    const CliResult written = runCli({"texts", "--lng"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    writeFixture(dir / "Mine.lng", written.out);

    const std::string file = (dir / "Mine.lng").string();
    const CliResult result = runCli({"lang-check", file});

    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_NE(result.out.find(file + ": 686 of 686 texts, "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("nothing to look at\n"), std::string::npos) << result.out;
}

TEST(LangCheckCliFile, UnreadableFileExitsThreeAndNoFileIsAUsageError)
{
    TempDir dir;
    const CliResult missing = runCli({"lang-check", (dir / "none.lng").string()});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_NE(missing.err.find((dir / "none.lng").string()), std::string::npos) << missing.err;
    EXPECT_EQ(runCli({"lang-check"}).exitCode, 2);
}

} // namespace
} // namespace birch::test

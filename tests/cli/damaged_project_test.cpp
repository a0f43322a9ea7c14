#include "CliRun.h"
#include "ImageTestData.h"

#include <gtest/gtest.h>

#include <functional>

namespace birch::test {
namespace {

// A project file that exists but cannot be used gets one answer from `check` and `compile`:
// exit 3 naming the file, and no image.
struct Damage {
    const char* name;
    const char* file;
    std::function<void(const std::filesystem::path& file)> make;
};

class DamagedProjectFile : public testing::TestWithParam<Damage> {};

TEST_P(DamagedProjectFile, CheckAndCompileBothExitThreeNamingIt)
{
    TempDir dir;
    const auto project = dir / "Ship";
    std::filesystem::create_directories(project);
    GetParam().make(project / GetParam().file);
    for (const char* command : {"check", "compile"}) {
        SCOPED_TRACE(command);
        const CliResult result = runCli({command, project.string()});
        EXPECT_EQ(result.exitCode, 3) << result.out << result.err;
        EXPECT_NE(result.err.find((project / GetParam().file).string()), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(project / "bin" / "bank.bin"));
}

auto content(std::string text)
{
    return [text](const std::filesystem::path& file) { writeFixture(file, text); };
}

void danglingLink(const std::filesystem::path& file)
{
    std::filesystem::create_symlink(file.parent_path() / "gone.xml", file);
}

void folder(const std::filesystem::path& file)
{
    std::filesystem::create_directories(file);
}

constexpr const char* kRules = "NMEA_0183_Set_Access.xml";

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedProjectFile,
    testing::Values(Damage{"RulesUnparsable", kRules, content("<NMEA_0183><NMEA_Listener>")},
                    Damage{"RulesWithoutListener", kRules, content("<NMEA_0183/>")},
                    Damage{"RulesStartingWithDoctype", kRules,
                           content("<!DOCTYPE NMEA_0183><NMEA_0183><NMEA_Listener/></NMEA_0183>")},
                    Damage{"RulesStartingWithDeclaration", kRules,
                           content("<?xml version=\"1.0\"?><NMEA_0183><NMEA_Listener/></NMEA_0183>")},
                    Damage{"RulesDanglingLink", kRules, danglingLink}, Damage{"RulesFolder", kRules, folder},
                    Damage{"ParGenUnparsable", "ParGen.xml", content("<Par_Gen><RS232_ENABLE>")},
                    Damage{"ParGenDanglingLink", "ParGen.xml", danglingLink}),
    [](const auto& info) { return std::string(info.param.name); });

// A ParGen.xml whose first node is not its root is no damage: every value takes its default, as
// in a file that names none.
TEST(DamagedProjectFile, ParGenWithDeclarationFirstLoadsAsDefaults)
{
    TempDir dir;
    const auto project = dir / "Ship";
    writeFixture(project / "ParGen.xml",
                 "<?xml version=\"1.0\"?><Par_Gen><MODBUS_SLAVE_IDDEVICE>999</MODBUS_SLAVE_IDDEVICE></Par_Gen>");
    EXPECT_EQ(runCli({"check", project.string()}).exitCode, 0);
    const CliResult compiled = runCli({"compile", project.string()});
    EXPECT_EQ(compiled.exitCode, 0) << compiled.err;

    const auto empty = dir / "Empty";
    writeFixture(empty / "ParGen.xml", "<Par_Gen/>");
    ASSERT_EQ(runCli({"compile", empty.string()}).exitCode, 0);
    EXPECT_EQ(readAll(project / "bin" / "bank.bin"), readAll(empty / "bin" / "bank.bin"));
}

} // namespace
} // namespace birch::test

#include "profiles/GsdmlName.h"

#include <gtest/gtest.h>

#include <fnmatch.h>

#include <string>

namespace birch {
namespace {

const std::string kFix2 = "-20240305.xml";

TEST(GsdmlName, FixedPart2CarriesTheDateInFixedWidths)
{
    EXPECT_EQ(gsdmlFixedPart2({2024, 3, 5}), "-20240305.xml");
    EXPECT_EQ(gsdmlFixedPart2({2023, 12, 31}), "-20231231.xml");
    EXPECT_EQ(gsdmlFixedPart2({987, 1, 9}), "-09870109.xml");
}

TEST(GsdmlName, UserPartJoinsTheFixedParts)
{
    struct Case {
        std::string user;
        std::string name;
    };
    const Case cases[] = {
        {"", "GSDML-V2.25-Velmora--20240305.xml"},
        {"   ", "GSDML-V2.25-Velmora--20240305.xml"},
        {"X", "GSDML-V2.25-Velmora-_X-20240305.xml"},
        {"_X", "GSDML-V2.25-Velmora-_X-20240305.xml"},
        {" X", "GSDML-V2.25-Velmora-_ X-20240305.xml"},
        {"X ", "GSDML-V2.25-Velmora-_X -20240305.xml"},
        {"__X", "GSDML-V2.25-Velmora-__X-20240305.xml"},
        {" _X", "GSDML-V2.25-Velmora-_ _X-20240305.xml"},
        {"Gateway-Ship 2", "GSDML-V2.25-Velmora-_Gateway-Ship 2-20240305.xml"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Compose_GSDML_Name(c.user, kFix2), c.name) << '"' << c.user << '"';
}

TEST(GsdmlName, TypedFileNameOnlySelectsTheFolder)
{
    const std::string name = "GSDML-V2.25-Velmora-_X-20240305.xml";
    EXPECT_EQ(gsdmlTarget("/work/out/other.xml", name), std::filesystem::path("/work/out") / name);
    EXPECT_EQ(gsdmlTarget("/work/out/" + name, name), std::filesystem::path("/work/out") / name);
    EXPECT_EQ(gsdmlTarget("/work/out/no extension", name), std::filesystem::path("/work/out") / name);
}

TEST(GsdmlName, FolderSeparatorsAreNoPlainName)
{
    EXPECT_TRUE(isPlainFileName("GSDML-V2.25-Velmora-_a\\b-20240305.xml"));
    EXPECT_TRUE(isPlainFileName("GSDML-V2.25-Velmora-_..-20240305.xml"));
    EXPECT_FALSE(isPlainFileName("GSDML-V2.25-Velmora-_a/b-20240305.xml"));
    EXPECT_FALSE(isPlainFileName("GSDML-V2.25-Velmora-_/../x-20240305.xml"));
    EXPECT_FALSE(isPlainFileName(std::string("GSDML-V2.25-Velmora-_a\0b-20240305.xml", 37)));
}

// The mask must list the file itself and stay one mask of the dialog's filter.
TEST(GsdmlName, FilterMaskMatchesExactlyThisName)
{
    const std::string names[] = {
        "GSDML-V2.25-Velmora-_X-20240305.xml",
        "GSDML-V2.25-Velmora-_ X-20240305.xml",
        "GSDML-V2.25-Velmora-_a;b (c) [d] *e? <f>|g:h-20240305.xml",
        "GSDML-V2.25-Velmora-_Schiff \xC3\x9C"
        "ber-20240305.xml",
        "GSDML-V2.25-Velmora-_a\\b-20240305.xml",
    };
    for (const std::string& name : names) {
        const std::string mask = gsdmlFilterMask(name);
        EXPECT_EQ(fnmatch(mask.c_str(), name.c_str(), 0), 0) << mask;
        EXPECT_EQ(mask.find_first_of(" ;()[]?<>|:\\"), std::string::npos) << mask;
    }
    EXPECT_EQ(gsdmlFilterMask(names[0]), names[0]);
    EXPECT_EQ(gsdmlFilterMask(names[1]), "GSDML-V2.25-Velmora-_*X-20240305.xml");
    EXPECT_EQ(gsdmlFilterMask(names[3]), "GSDML-V2.25-Velmora-_Schiff*ber-20240305.xml");
}

} // namespace
} // namespace birch

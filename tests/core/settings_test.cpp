#include "app/Settings.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace birch {
namespace {

using test::TempDir;
using test::writeFixture;

constexpr const char* kDefaultDocument =
    "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
    "<lastlang><language>English</language></lastlang><lastinternet><enable_internet>0</enable_internet>"
    "<enable_update>0</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

// Every value differs from its default.
constexpr const char* kFullDocument =
    "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj><lastipadd><ipaddress>10.0.0.7</ipaddress>"
    "</lastipadd><lastlang><language>Italiano</language></lastlang><lastinternet><enable_internet>1</enable_internet>"
    "<enable_update>1</enable_update><enable_jump_field_tables>1</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

bool operator==(const Settings& a, const Settings& b)
{
    return a.ProjectName == b.ProjectName && a.LastIpAddress == b.LastIpAddress && a.LanguageName == b.LanguageName &&
           a.EnableInternet == b.EnableInternet && a.EnableUpdateCheck == b.EnableUpdateCheck &&
           a.JumpFieldOnEnter == b.JumpFieldOnEnter && a.DoubleClickAutoSize == b.DoubleClickAutoSize;
}

Settings fullSettings()
{
    Settings s;
    s.ProjectName = "Plant A";
    s.LastIpAddress = "10.0.0.7";
    s.LanguageName = "Italiano";
    s.EnableInternet = s.EnableUpdateCheck = s.JumpFieldOnEnter = s.DoubleClickAutoSize = true;
    return s;
}

SettingsReadResult readDocument(const std::string& document)
{
    TempDir dir;
    writeFixture(dir / "Mosaic.xml", document);
    return readSettingsFile(dir / "Mosaic.xml");
}

std::string without(std::string document, const std::string& element)
{
    const std::string open = "<" + element + ">";
    const std::string close = "</" + element + ">";
    const auto from = document.find(open);
    const auto to = document.find(close) + close.size();
    return document.erase(from, to - from);
}

TEST(Settings, MissingFileGivesDefaults)
{
    TempDir dir;
    const auto result = readSettingsFile(dir / "Mosaic.xml");
    EXPECT_EQ(result.status, SettingsReadResult::Status::Missing);
    EXPECT_TRUE(result.values == Settings{});
}

TEST(Settings, DefaultsSerialiseToThePinnedDocument)
{
    EXPECT_EQ(serializeSettings(Settings{}), kDefaultDocument);
    EXPECT_EQ(serializeSettings(fullSettings()), kFullDocument);
}

TEST(Settings, RoundTripKeepsTextsExactly)
{
    Settings s = fullSettings();
    s.ProjectName = "  Nave \xC3\xA8 <1> & \"2\"  ";
    s.LastIpAddress = " ";
    s.LanguageName = "";
    s.JumpFieldOnEnter = false;
    const auto result = readDocument(serializeSettings(s));
    EXPECT_EQ(result.status, SettingsReadResult::Status::Ok);
    EXPECT_EQ(result.values.ProjectName, s.ProjectName);
    EXPECT_EQ(result.values.LastIpAddress, " ");
    EXPECT_TRUE(result.values == s);
}

// Each flag on its own, so that a flag written or read from another one shows.
class SettingsSingleFlag : public testing::TestWithParam<std::function<void(Settings&)>> {};

TEST_P(SettingsSingleFlag, RoundTripKeepsOnlyThatFlagOn)
{
    Settings s;
    GetParam()(s);
    const auto result = readDocument(serializeSettings(s));
    EXPECT_EQ(result.status, SettingsReadResult::Status::Ok);
    EXPECT_TRUE(result.values == s) << serializeSettings(s);
}

INSTANTIATE_TEST_SUITE_P(Flags, SettingsSingleFlag,
                         testing::Values([](Settings& s) { s.EnableInternet = true; },
                                         [](Settings& s) { s.EnableUpdateCheck = true; },
                                         [](Settings& s) { s.JumpFieldOnEnter = true; },
                                         [](Settings& s) { s.DoubleClickAutoSize = true; }));

struct MissingValueCase {
    std::string element;
    std::function<void(Settings&)> toDefault;
};

class SettingsMissingValue : public testing::TestWithParam<MissingValueCase> {};

// One missing element gives that value its default and leaves every other value as stored.
TEST_P(SettingsMissingValue, OnlyThatValueTakesItsDefault)
{
    Settings expected = fullSettings();
    GetParam().toDefault(expected);
    const auto result = readDocument(without(kFullDocument, GetParam().element));
    EXPECT_EQ(result.status, SettingsReadResult::Status::Ok);
    EXPECT_TRUE(result.values == expected) << GetParam().element;
}

INSTANTIATE_TEST_SUITE_P(
    EachValue, SettingsMissingValue,
    testing::Values(MissingValueCase{"projectname", [](Settings& s) { s.ProjectName = ""; }},
                    MissingValueCase{"lastproj", [](Settings& s) { s.ProjectName = ""; }},
                    MissingValueCase{"ipaddress", [](Settings& s) { s.LastIpAddress = "192.168.2.205"; }},
                    MissingValueCase{"lastipadd", [](Settings& s) { s.LastIpAddress = "192.168.2.205"; }},
                    MissingValueCase{"language", [](Settings& s) { s.LanguageName = "English"; }},
                    MissingValueCase{"lastlang", [](Settings& s) { s.LanguageName = "English"; }},
                    MissingValueCase{"enable_internet", [](Settings& s) { s.EnableInternet = false; }},
                    MissingValueCase{"enable_update", [](Settings& s) { s.EnableUpdateCheck = false; }},
                    MissingValueCase{"enable_jump_field_tables", [](Settings& s) { s.JumpFieldOnEnter = false; }},
                    MissingValueCase{"Double_Click_Auto_Size", [](Settings& s) { s.DoubleClickAutoSize = false; }},
                    MissingValueCase{"lastinternet", [](Settings& s) {
                                         s.EnableInternet = s.EnableUpdateCheck = false;
                                         s.JumpFieldOnEnter = s.DoubleClickAutoSize = false;
                                     }}));

TEST(Settings, EmptyElementGivesEmptyValueNotTheDefault)
{
    const auto result = readDocument("<Conf_Settings><lastproj><projectname></projectname></lastproj>"
                                     "<lastipadd><ipaddress/></lastipadd><lastlang><language></language></lastlang>"
                                     "</Conf_Settings>");
    EXPECT_EQ(result.values.ProjectName, "");
    EXPECT_EQ(result.values.LastIpAddress, "");
    EXPECT_EQ(result.values.LanguageName, "");
}

TEST(Settings, TextsAreNotTrimmed)
{
    const auto result = readDocument("<Conf_Settings><lastipadd><ipaddress> 10.0.0.1 </ipaddress></lastipadd>"
                                     "<lastlang><language>\tDeutsch</language></lastlang></Conf_Settings>");
    EXPECT_EQ(result.values.LastIpAddress, " 10.0.0.1 ");
    EXPECT_EQ(result.values.LanguageName, "\tDeutsch");
}

class SettingsFlagText : public testing::TestWithParam<std::pair<std::string, bool>> {};

TEST_P(SettingsFlagText, OnlyExactlyOneIsOn)
{
    const auto result = readDocument("<Conf_Settings><lastinternet><enable_internet>" + GetParam().first +
                                     "</enable_internet></lastinternet></Conf_Settings>");
    EXPECT_EQ(result.values.EnableInternet, GetParam().second) << "'" << GetParam().first << "'";
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingsFlagText,
                         testing::Values(std::pair{"1", true}, std::pair{"0", false}, std::pair{"", false},
                                         std::pair{"true", false}, std::pair{" 1", false}, std::pair{"1 ", false},
                                         std::pair{"01", false}, std::pair{"Y", false}, std::pair{"2", false}));

TEST(Settings, InternetOnWithoutUpdateElement)
{
    const auto result = readDocument(
        "<Conf_Settings><lastinternet><enable_internet>1</enable_internet></lastinternet></Conf_Settings>");
    EXPECT_TRUE(result.values.EnableInternet);
    EXPECT_FALSE(result.values.EnableUpdateCheck);
}

TEST(Settings, ElementNamesAreCaseSensitive)
{
    const auto result =
        readDocument("<Conf_Settings><lastinternet><double_click_auto_size>1</double_click_auto_size>"
                     "</lastinternet><LastLang><language>Deutsch</language></LastLang></Conf_Settings>");
    EXPECT_FALSE(result.values.DoubleClickAutoSize);
    EXPECT_EQ(result.values.LanguageName, "English");
}

TEST(Settings, RootIsTheFirstNodeWhateverItsName)
{
    const auto renamed = readDocument("<Other><lastlang><language>Deutsch</language></lastlang></Other>");
    EXPECT_EQ(renamed.values.LanguageName, "Deutsch");

    // A declaration or comment before the element is the first node: nothing is found under it.
    for (const std::string before : {"<?xml version=\"1.0\"?>", "<!-- saved -->"}) {
        const auto result = readDocument(before + kFullDocument);
        EXPECT_EQ(result.status, SettingsReadResult::Status::Ok);
        EXPECT_TRUE(result.values == Settings{}) << before;
    }
}

TEST(Settings, MalformedFileGivesDefaultsAndReason)
{
    const auto result = readDocument("<Conf_Settings><lastlang><language>Deutsch</language></lastlang>");
    EXPECT_EQ(result.status, SettingsReadResult::Status::Damaged);
    EXPECT_TRUE(result.values == Settings{});
    EXPECT_EQ(result.reason, "an end tag does not match its start tag, or an element is never closed");
    EXPECT_EQ(result.at, (TextPosition{1, 64}));
}

TEST(Settings, EmptyFileIsDamaged)
{
    const auto result = readDocument("");
    EXPECT_EQ(result.status, SettingsReadResult::Status::Damaged);
    EXPECT_TRUE(result.values == Settings{});
}

TEST(Settings, FolderInPlaceOfTheFileIsDamaged)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Mosaic.xml");
    const auto result = readSettingsFile(dir / "Mosaic.xml");
    EXPECT_EQ(result.status, SettingsReadResult::Status::Damaged);
    EXPECT_FALSE(result.reason.empty());
}

} // namespace
} // namespace birch

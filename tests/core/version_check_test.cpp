#include "options/MakerAddresses.h"
#include "options/VersionCheck.h"

#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <string>

namespace birch {
namespace {

struct VersionCase {
    std::string reply;
    int version; // Conv_Version of the reply as received
    bool newer;  // against 1.101
};

// Every reply the service could give, read by both operations.
const VersionCase kVersionCases[] = {
    {"VER. 1.102", 1102, true},
    {"VER. 1.101", 1101, false},
    {"VER. 1.100", 1100, false},
    {"VER. 2.000", 2000, true},
    {"ver. 1.102", 1102, true}, // only the "VER. 0.000" test is made on upper-cased text
    {"VER. 0.000", 0, false},
    {"ver. 0.000", 0, false},
    {"  VER. 0.000\r\n", -1, false},
    {"VER. 1.102\r\n", 1102, true},
    {"", -1, false},
    {"   ", -1, false},
    {"VER. 1.2", -1, false},    // too short
    {"VER. 10.000", -1, false}, // "1.00" is no number
    {"1.200", 1200, true},      // no blank: the whole text is the version
    {"1.101", 1101, false},
    {"VER.  1.102", 1102, true}, // the part after the first blank is trimmed
    {"VER. 1-102", 1102, true},  // the separator is skipped whatever it is
    {"VER. 1.1a2", -1, false},
    {"VER. 1.102 beta", 1102, true},
    {"VER. -.999", -999, false}, // a negative number is a number, and lower
    {"VER. +.999", -1, false},
    {"<html><body>Not found</body></html>", -1, false},
};

TEST(VersionCheck, ConvVersionAndComparisonOverEveryReply)
{
    for (const auto& c : kVersionCases) {
        SCOPED_TRACE("reply \"" + c.reply + "\"");
        EXPECT_EQ(Conv_Version(c.reply), c.version);
        EXPECT_EQ(Is_Newer_Version(c.reply, "1.101"), c.newer);
    }
}

TEST(VersionCheck, LocalVersionWithoutFourDigitsNeverReportsNewer)
{
    EXPECT_EQ(Conv_Version("1.101"), 1101);
    EXPECT_FALSE(Is_Newer_Version("VER. 9.999", "1.1"));
}

TEST(MakerAddresses, QueryAndLinksHaveTheirFixedShapes)
{
    EXPECT_EQ(Version_Query_Url("http://127.0.0.1:8080", "Birchcfg"),
              "http://127.0.0.1:8080/home/download/GetversionSW.asp?nomesw=Birchcfg");
    EXPECT_EQ(Version_Query_Url("http://127.0.0.1:8080/", "Birchcfg"),
              "http://127.0.0.1:8080/home/download/GetversionSW.asp?nomesw=Birchcfg");
    EXPECT_EQ(Download_Page_Url("http://www.velmora.example/home/download/download.asp"),
              "http://www.velmora.example/home/download/download.asp#Birchdev");
    EXPECT_EQ(Home_Page_Url("http://www.velmora.example", "Birchcfg"), "http://www.velmora.example/?frompg=Birchcfg");
    EXPECT_EQ(Home_Page_Url("http://www.velmora.example/index.asp?lang=it", "Birchcfg"),
              "http://www.velmora.example/index.asp?lang=it&frompg=Birchcfg");
    EXPECT_EQ(Web_Address_Caption("http://www.velmora.example/"), "www.velmora.example");
    EXPECT_EQ(Web_Address_Caption("https://velmora.example/home?x=1"), "velmora.example/home");
}

TEST(MakerAddresses, EnvironmentOverridesOnlyTheVersionService)
{
    {
        test::ScopedEnv unset("BIRCH_VERSION_SERVICE_URL", std::nullopt);
        const auto addresses = Maker_Addresses();
        EXPECT_EQ(addresses.versionService, BIRCH_VERSION_SERVICE_URL);
        EXPECT_EQ(addresses.homePage, BIRCH_HOME_URL);
        EXPECT_EQ(addresses.downloadPage, BIRCH_DOWNLOAD_URL);
    }
    {
        test::ScopedEnv empty("BIRCH_VERSION_SERVICE_URL", "");
        EXPECT_EQ(Maker_Addresses().versionService, BIRCH_VERSION_SERVICE_URL);
    }
    test::ScopedEnv set("BIRCH_VERSION_SERVICE_URL", "http://127.0.0.1:9");
    const auto addresses = Maker_Addresses();
    EXPECT_EQ(addresses.versionService, "http://127.0.0.1:9");
    EXPECT_EQ(addresses.homePage, BIRCH_HOME_URL);
    EXPECT_EQ(addresses.downloadPage, BIRCH_DOWNLOAD_URL);
}

} // namespace
} // namespace birch

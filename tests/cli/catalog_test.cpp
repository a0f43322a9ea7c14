#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace birch::test {
namespace {

TEST(CliCatalog, JsonListsEverySentenceWithItsFields)
{
    const CliResult result = runCli({"catalog", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto catalog = nlohmann::json::parse(result.out);
    ASSERT_TRUE(catalog.is_array());
    ASSERT_EQ(catalog.size(), 52u);
    EXPECT_EQ(catalog[0]["number"], 1);
    EXPECT_EQ(catalog[0]["name"], "ZDA");
    EXPECT_EQ(catalog[0]["offered"], true);
    EXPECT_EQ(catalog[0]["fields"].size(), 9u);
    EXPECT_EQ(catalog[0]["fields"][0], (nlohmann::json{{"number", 0}, {"text", "hour [decimal]"}, {"size", 1}}));
    EXPECT_EQ(
        catalog[1],
        (nlohmann::json{{"number", 2}, {"name", "BWC"}, {"offered", false}, {"fields", nlohmann::json::array()}}));
    EXPECT_EQ(catalog[38]["fields"][0]["text"],
              "Calculated wind angle relative to the vessel, 0 to 180\u00b0, Number [floating point]");
    EXPECT_EQ(catalog[51]["number"], 52);
    EXPECT_EQ(catalog[51]["name"], "$PSTKTSX5");
    EXPECT_EQ(catalog[51]["fields"][3],
              (nlohmann::json{{"number", 3}, {"text", "Power, kW, Number [decimal]"}, {"size", 4}}));
    // Keys in the documented order.
    EXPECT_EQ(result.out.rfind("[{\"number\":1,\"name\":\"ZDA\",\"offered\":true,\"fields\":[{\"number\":0,\"text\":"
                               "\"hour [decimal]\",\"size\":1}",
                               0),
              0u);
}

TEST(CliCatalog, TableShowsNamesFieldsAndWhatIsNotOffered)
{
    const CliResult result = runCli({"catalog"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find(" 1  ZDA\n"), std::string::npos);
    EXPECT_NE(result.out.find("size  1  hour [decimal]\n"), std::string::npos);
    EXPECT_NE(result.out.find(" 2  BWC  (not offered)\n"), std::string::npos);
    EXPECT_NE(result.out.find("size 20  Transducer ID [character string] (20 characters)\n"), std::string::npos);
    EXPECT_NE(result.out.find("52  $PSTKTSX5\n"), std::string::npos);
}

} // namespace
} // namespace birch::test

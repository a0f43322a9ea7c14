#include "TempDir.h"

#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "nmea/Catalog.h"
#include "nmea/RuleCheck.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace birch {
namespace {

const std::string kGoodRow = "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"ZDA\" Index=\"\" "
                             "DataField=\"hour [decimal]\" PortOperation=\"None\" SwapAll=\"N\" Swap16=\"N\" "
                             "Position=\"1\" Mnemonic=\"\"/>";

std::string ruleFile(const std::string& rows)
{
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.101-->";
}

TEST(NmeaRuleCheck, ChecksTheProjectRuleFileAsOkWould)
{
    using Outcome = RuleCheckResult::Outcome;
    struct Case {
        const char* label;
        std::optional<std::string> file;
        Outcome outcome;
        std::string messageStart;
    };
    std::string tooMany;
    for (int i = 0; i < 101; ++i)
        tooMany += kGoodRow;
    const Case cases[] = {
        {"no rule file", std::nullopt, Outcome::Passed, ""},
        {"valid rules", ruleFile(kGoodRow + kGoodRow), Outcome::Passed, ""},
        {"position out of range in row 2",
         ruleFile(kGoodRow + "<row Sentence=\"ZDA\" DataField=\"day [decimal]\" PortOperation=\"None\" "
                             "Position=\"2000\"/>"),
         Outcome::Invalid, "Error row 2!! Position Must be Between 0 and 2000"},
        {"field not of the sentence",
         ruleFile("<row Sentence=\"DPT\" DataField=\"hour [decimal]\" PortOperation=\"None\" Position=\"1\"/>"),
         Outcome::Invalid, "Error row 1!! Data Field Must be Selected"},
        {"more rules than rows", ruleFile(tooMany), Outcome::Invalid,
         "The rule file holds more rules than the 100 rows"},
        {"malformed", std::string("<NMEA_0183><NMEA_Listener>"), Outcome::FileError, "The file is damaged"},
        {"no listener", std::string("<NMEA_0183/>"), Outcome::FileError, "The rule file has no NMEA_Listener"},
    };
    TextList texts;
    Load_Default_Texts(texts);
    const Catalog catalog = Catalog::Init_NMEA0183_Map();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        test::TempDir project;
        if (c.file)
            test::writeFixture(project / "NMEA_0183_Set_Access.xml", *c.file);
        const RuleCheckResult result = checkRuleFile(project.path(), texts, ExtraTexts(), catalog);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.message.rfind(c.messageStart, 0), 0u) << result.message;
        EXPECT_EQ(result.message.empty(), c.messageStart.empty());
    }
}

} // namespace
} // namespace birch

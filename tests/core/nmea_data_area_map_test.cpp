#include "nmea/DataAreaMap.h"
#include "nmea/DataAreaTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace birch {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

TNMEA0183_Rule rule(const std::string& sentence, const std::string& field, const std::string& position,
                    bool enable = true)
{
    TNMEA0183_Rule r;
    r.Enable = enable;
    r.Sentence = sentence;
    r.DataField = field;
    r.Position = position;
    return r;
}

RuleTable table(const std::vector<TNMEA0183_Rule>& rows)
{
    RuleTable rules{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rules[i] = rows[i];
    return rules;
}

std::vector<int> rowsOf(const std::vector<PlacedRule>& placed)
{
    std::vector<int> rows;
    for (const PlacedRule& p : placed)
        rows.push_back(p.row);
    return rows;
}

TEST(PlacedRules, OnlyEnabledRulesWithKnownSentenceFieldAndDecimalPositionReachTheArea)
{
    const RuleTable rules = table({
        rule("ZDA", "hour [decimal]", "1"),        // 1: placed
        rule("ZDA", "hour [decimal]", "5", false), // 2: disabled
        rule("zda", "hour [decimal]", "6"),        // 3: sentence not exactly a catalog name
        rule("BWC", "hour [decimal]", "7"),        // 4: sentence not offered
        rule("ZDA", "HOUR [DECIMAL]", "8"),        // 5: field matched upper-cased, as the position does
        rule("ZDA", "minutes", "9"),               // 6: field unknown
        rule("ZDA", "hour [decimal]", " 10"),      // 7: position with a blank is not a number
        rule("ZDA", "hour [decimal]", ""),         // 8: empty position
        rule("DPT", "Offset from transducer [floating point]", "-2"), // 9: negative, still placed
    });
    const auto placed = placedRules(catalog(), rules);
    EXPECT_EQ(rowsOf(placed), (std::vector<int>{1, 5, 9}));
    EXPECT_EQ(placed[0].firstByte, 1);
    EXPECT_EQ(placed[0].size, 1);
    EXPECT_EQ(placed[2].size, 4);
    EXPECT_EQ(placed[2].lastByte(), 1);
    EXPECT_EQ(placed[2].fieldText(catalog()), "Offset from transducer [floating point]");
    EXPECT_EQ(placed[2].sentenceName(catalog()), "DPT");
}

TEST(DataAreaMap, ClaimsEveryByteOfEachRuleAndMarksSharedBytes)
{
    // DPT field 0 is 4 bytes at 10..13; GGA field 18 is 2 bytes at 12..13; ZDA hour at 20.
    const DataAreaMap map(
        placedRules(catalog(), table({rule("DPT", "Water depth relative to transducer, meters [floating point]", "10"),
                                      rule("GGA", "Differential reference station ID [decimal]", "12"),
                                      rule("ZDA", "hour [decimal]", "20")})));
    EXPECT_TRUE(map.claims(9).empty());
    EXPECT_EQ(map.claims(10), (std::vector<int>{0}));
    EXPECT_EQ(map.claims(11), (std::vector<int>{0}));
    EXPECT_EQ(map.claims(12), (std::vector<int>{0, 1}));
    EXPECT_EQ(map.claims(13), (std::vector<int>{0, 1}));
    EXPECT_TRUE(map.claims(14).empty());
    EXPECT_EQ(map.claims(20), (std::vector<int>{2}));
    EXPECT_TRUE(map.conflict(12));
    EXPECT_FALSE(map.conflict(11));
    EXPECT_EQ(map.claimedBytes(), 5);
    EXPECT_EQ(map.conflictBytes(), 2);
    EXPECT_EQ(map.overlaps(), (std::vector<ByteOverlap>{{1, 2, 12, 13}}));
    EXPECT_EQ(map.overlappingRows(0), (std::vector<int>{2}));
    EXPECT_TRUE(map.overlappingRows(2).empty());
    EXPECT_TRUE(map.outside().empty());
}

TEST(DataAreaMap, EveryPairIsListedOnceWithItsOwnSharedBytes)
{
    // Three 4-byte fields: rows 1 (0..3), 3 (2..5) and 4 (3..6); row 2 is empty.
    const std::string depth = "Water depth relative to transducer, meters [floating point]";
    RuleTable rules = table({rule("DPT", depth, "0"), {}, rule("DPT", depth, "2"), rule("DPT", depth, "3")});
    const DataAreaMap map(placedRules(catalog(), rules));
    EXPECT_EQ(map.overlaps(), (std::vector<ByteOverlap>{{1, 3, 2, 3}, {1, 4, 3, 3}, {3, 4, 3, 5}}));
    EXPECT_EQ(map.claims(3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(map.overlappingRows(1), (std::vector<int>{1, 4}));
}

TEST(DataAreaMap, BytesOutsideTheAreaAreNotClaimedButTheRuleIsNamed)
{
    const std::string depth = "Water depth relative to transducer, meters [floating point]";
    const DataAreaMap map(placedRules(catalog(), table({rule("DPT", depth, "1998"), rule("DPT", depth, "-1"),
                                                        rule("DPT", depth, "1996"), rule("DPT", depth, "5000")})));
    EXPECT_EQ(map.outside(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(map.claims(1999), (std::vector<int>{0, 2}));
    EXPECT_EQ(map.claims(0), (std::vector<int>{1}));
    EXPECT_TRUE(map.claims(3).empty());
    EXPECT_EQ(map.claims(1998), (std::vector<int>{0, 2}));
    // Rows 1 and 3 share 1998..1999; the part of row 1 past the end is not a shared byte.
    EXPECT_EQ(map.overlaps(), (std::vector<ByteOverlap>{{1, 3, 1998, 1999}}));
    EXPECT_EQ(map.claimedBytes(), 7);
}

TEST(DataAreaTexts, TipsNameTheRowsOnAByteAndTheWarningEveryPair)
{
    const std::string depth = "Water depth relative to transducer, meters [floating point]";
    const DataAreaMap map(placedRules(
        catalog(), table({rule("DPT", depth, "10"), rule("ZDA", "hour [decimal]", "13"), rule("DPT", depth, "12")})));
    const ExtraTexts extra;
    EXPECT_EQ(byteTipText(extra, catalog(), map, 9), "Byte 9, register 4: free");
    EXPECT_EQ(byteTipText(extra, catalog(), map, 13),
              "Byte 13, register 6\nRow 1: DPT, " + depth + "\nRow 2: ZDA, hour [decimal]\nRow 3: DPT, " + depth);
    EXPECT_EQ(overlapWarningText(extra, map),
              "Enabled rules fill the same bytes of the data area:\n"
              "Rows 1 and 2: bytes 13\nRows 1 and 3: bytes 12-13\n"
              "Rows 2 and 3: bytes 13\n\n"
              "Save anyway? Yes saves the rules as they are; No goes back to the table.");
    EXPECT_EQ(overlapWarningText(extra, DataAreaMap(placedRules(catalog(), table({rule("DPT", depth, "0")})))), "");
}

} // namespace
} // namespace birch

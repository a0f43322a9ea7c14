#include "TempDir.h"

#include "nmea/CaptureCheck.h"
#include "nmea/CaptureCheckText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace birch {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

std::string fixture(const char* name)
{
    return test::readAll(std::filesystem::path(BIRCH_FIXTURES_DIR) / "capture" / name);
}

CaptureStats statsOf(const std::string& text)
{
    CaptureStats stats(catalog());
    stats.addText(text);
    stats.finish();
    return stats;
}

TEST(CaptureStats, TotalsOfEachSampleCapture)
{
    struct Case {
        const char* file;
        CaptureTotals totals; // lines, blank, garbage, sentences, bad checksum, without checksum, timed
    };
    const Case cases[] = {
        {"good.nmea", {9, 0, 0, 9, 0, 0, 0}},          {"bad-checksum.nmea", {6, 0, 0, 6, 4, 1, 0}},
        {"mixed-talkers.nmea", {8, 0, 0, 8, 0, 0, 0}}, {"timestamps.nmea", {28, 0, 0, 28, 0, 0, 28}},
        {"garbage.nmea", {10, 2, 5, 3, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const CaptureTotals t = statsOf(fixture(c.file)).totals();
        const CaptureTotals& e = c.totals;
        EXPECT_EQ(std::vector<long long>(
                      {t.lines, t.blank, t.garbage, t.sentences, t.badChecksum, t.withoutChecksum, t.timed}),
                  std::vector<long long>(
                      {e.lines, e.blank, e.garbage, e.sentences, e.badChecksum, e.withoutChecksum, e.timed}))
            << c.file;
    }
}

TEST(CaptureStats, StandardSentencesCountForEveryTalkerOthersByWholeName)
{
    const CaptureStats stats = statsOf(fixture("mixed-talkers.nmea"));
    std::vector<std::string> names;
    for (const auto& [name, type] : stats.types())
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"$PGRME", "$VTHA0", "GGA", "VDM", "ZDA"}));
    EXPECT_EQ(stats.type("ZDA")->seen, 3);
    EXPECT_EQ(stats.type("ZDA")->talkers, (std::set<std::string>{"GN", "GP", "II"}));
    EXPECT_EQ(stats.type("GGA")->talkers, (std::set<std::string>{"GN", "GP"}));
    EXPECT_TRUE(stats.type("$VTHA0")->talkers.empty());
    EXPECT_EQ(stats.type("VDM")->talkers, (std::set<std::string>{"AI"}));
}

TEST(CaptureStats, RatesComeFromTheTimeStamps)
{
    const CaptureStats stats = statsOf(fixture("timestamps.nmea"));
    EXPECT_DOUBLE_EQ(stats.type("ZDA")->rate().value(), 1.0);  // 10 over 9 s
    EXPECT_DOUBLE_EQ(stats.type("GSV")->rate().value(), 1.75); // 15 over 8 s
    EXPECT_DOUBLE_EQ(stats.type("MTW")->rate().value(), 0.25); // 3 over 8 s
    EXPECT_FALSE(statsOf(fixture("good.nmea")).type("ZDA")->rate().has_value());

    // A time of day that passes midnight keeps counting forward.
    const CaptureStats midnight = statsOf("23:59:59 $IIMTW,18.5,C*1F\n00:00:01 $IIMTW,18.5,C*1F\n"
                                          "00:00:03 $IIMTW,18.5,C*1F\n");
    EXPECT_DOUBLE_EQ(midnight.type("MTW")->rate().value(), 0.5);
    // One sentence, or two at the same moment, give no rate.
    EXPECT_FALSE(statsOf("1.0 $IIMTW,18.5,C*1F\n1.0 $IIMTW,18.5,C*1F\n").type("MTW")->rate().has_value());
    // Stamps of another kind than the first are not mixed in.
    const CaptureStats mixed = statsOf("10.0 $IIMTW,18.5,C*1F\n12:00:00 $IIMTW,18.5,C*1F\n14.0 $IIMTW,18.5,C*1F\n");
    EXPECT_EQ(mixed.type("MTW")->timed, 2);
    EXPECT_DOUBLE_EQ(mixed.type("MTW")->rate().value(), 0.25);
}

TEST(CaptureStats, TextMayArriveInPiecesOfAnySize)
{
    const std::string text = fixture("bad-checksum.nmea") + fixture("garbage.nmea") + "$IIMTW,18.5,C*1F";
    const CaptureStats whole = statsOf(text);
    CaptureStats pieces(catalog());
    for (const char c : text)
        pieces.addText(std::string_view(&c, 1));
    pieces.finish();
    EXPECT_EQ(pieces.totals().lines, whole.totals().lines);
    EXPECT_EQ(pieces.totals().blank, whole.totals().blank);
    EXPECT_EQ(pieces.totals().sentences, whole.totals().sentences);
    EXPECT_EQ(pieces.type("MTW")->seen, 2);
    EXPECT_EQ(pieces.type("ZDA")->badChecksum, 2);
}

TEST(CaptureStats, NoiseWithoutLineEndsIsCountedAsGarbageAsItComes)
{
    CaptureStats stats(catalog());
    stats.addText(std::string(10000, '\x55'));
    EXPECT_EQ(stats.totals().garbage, 2);
    stats.addText("\n$IIMTW,18.5,C*1F\n");
    EXPECT_EQ(stats.type("MTW")->seen, 1);
}

TEST(CaptureStats, IndexesAreReadWhereTheSentenceDefinesThem)
{
    const CaptureStats stats =
        statsOf(fixture("good.nmea") + "$GPGSV,4,4,13,,,,,16,57,208,39*4E\n"); // an empty satellite block
    const SentenceTypeStats& gsv = *stats.type("GSV");
    EXPECT_EQ(gsv.gsvSentenceNumbers, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(numberRanges(gsv.gsvSatellites), "1-11, 14");
    EXPECT_EQ(numberRanges(stats.type("XDR")->xdrTransducers), "1-2");
    EXPECT_EQ(stats.type("$PJELA")->maxFields, 3u);
    EXPECT_EQ(numberRanges({1, 2, 3, 5, 7, 8}), "1-3, 5, 7-8");
    EXPECT_EQ(numberRanges({}), "none");
}

TNMEA0183_Rule rule(const std::string& channel, const std::string& sentence, const std::string& field,
                    const std::string& index = "", bool enable = true)
{
    TNMEA0183_Rule r;
    r.Enable = enable;
    r.Serial_Channel = channel;
    r.Sentence = sentence;
    r.DataField = field;
    r.Index = index;
    r.Position = "0";
    return r;
}

std::vector<PlacedRule> sampleRules()
{
    RuleTable rules{};
    rules[0] = rule("RS232", "ZDA", "hour [decimal]");
    rules[1] = rule("RS232", "GSV", "Sentence number [decimal]", "3");
    rules[2] = rule("RS232", "GSV", "Satellite ID number [decimal]", "12");
    rules[3] = rule("RS485 2", "XDR", "Measurement data [floating point]", "2");
    rules[4] = rule("RS232", "DPT", "Offset from transducer [floating point]");
    rules[5] = rule("RS232", "$PJELA", "Alarm [character]", "7");
    rules[6] = rule("RS232", "GGA", "GPS Quality indicator [decimal]", "", false);
    return placedRules(catalog(), rules);
}

TEST(CaptureCheck, EachEnabledRuleGetsItsCountsIndexesAndVerdict)
{
    const CaptureCheck check = checkCapture(catalog(), sampleRules(), statsOf(fixture("good.nmea")), std::nullopt);
    ASSERT_EQ(check.rules.size(), 6u);
    const auto& r = check.rules;
    EXPECT_EQ(r[0].seen, 1);
    EXPECT_EQ(r[0].talkers, (std::set<std::string>{"GP"}));
    EXPECT_EQ(indexText(r[0]), "-");
    EXPECT_EQ(r[1].indexSeen, true);
    EXPECT_EQ(indexText(r[1]), "3: seen (sentence numbers 1-3; satellites 1-11)");
    EXPECT_EQ(r[2].indexSeen, false);
    EXPECT_EQ(r[3].indexSeen, true);
    EXPECT_EQ(r[3].indexesSeen, "transducers 1-2");
    EXPECT_EQ(r[4].seen, 1);
    // What the index of $PJELA counts is not known: its field count is shown instead.
    EXPECT_FALSE(r[5].indexSeen.has_value());
    EXPECT_EQ(indexText(r[5]), "data fields per sentence: 3");
    EXPECT_TRUE(check.everyRuleSeen());
    // The disabled GGA rule uses nothing, so GGA is listed with MTW.
    std::vector<std::string> unused;
    for (const auto& type : check.unused)
        unused.push_back(type.name);
    EXPECT_EQ(unused, (std::vector<std::string>{"GGA", "MTW"}));
}

TEST(CaptureCheck, APortLimitsTheRulesAndAWrongChecksumIsNotASighting)
{
    const CaptureCheck check =
        checkCapture(catalog(), sampleRules(), statsOf(fixture("bad-checksum.nmea")), std::string_view("RS232"));
    std::vector<int> rows;
    for (const auto& r : check.rules)
        rows.push_back(r.row);
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 3, 5, 6}));
    EXPECT_EQ(check.rules[0].seen, 1);
    EXPECT_EQ(check.rules[0].badChecksum, 2);
    EXPECT_EQ(check.rules[3].seen, 0);
    EXPECT_EQ(check.rules[3].badChecksum, 1);
    EXPECT_EQ(verdictText(check.rules[3]), "never seen");
    EXPECT_TRUE(check.rules[1].neverSeen());
    EXPECT_FALSE(check.everyRuleSeen());
    ASSERT_EQ(check.unused.size(), 1u);
    EXPECT_EQ(check.unused[0].name, "MTW");
    EXPECT_EQ(check.unused[0].seen, 1) << "the line without a checksum counts";
    EXPECT_EQ(check.unused[0].badChecksum, 1);

    const std::string text = captureCheckText(check);
    EXPECT_NE(text.find("6 lines: 6 sentences (4 with a wrong checksum, 1 without a checksum"), std::string::npos)
        << text;
    EXPECT_NE(text.find("not decoded"), std::string::npos);
    EXPECT_NE(text.find("Sentence types no rule uses:"), std::string::npos);
}

} // namespace
} // namespace birch

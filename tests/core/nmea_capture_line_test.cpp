#include "nmea/CaptureLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace birch {
namespace {

using Checksum = CaptureSentence::Checksum;
using Kind = CaptureLine::Kind;

TEST(CaptureLine, SentencesAreFoundBehindAnyPrefixAndTheirChecksumJudged)
{
    struct Case {
        std::string line;
        Kind kind;
        std::string address;
        Checksum checksum;
        std::size_t fields;
    };
    const Case cases[] = {
        {"$GPZDA,120000.00,01,05,2024,00,00*65", Kind::Sentence, "GPZDA", Checksum::Good, 6},
        {"$GPZDA,120000.00,01,05,2024,00,00*65\r", Kind::Sentence, "GPZDA", Checksum::Good, 6},
        {"$GPZDA,120000.00,01,05,2024,00,00*66", Kind::Sentence, "GPZDA", Checksum::Bad, 6},
        {"$GPZDA,120000.00,01,05,2024,00,00*6", Kind::Sentence, "GPZDA", Checksum::Bad, 6},
        {"$GPZDA,120000.00,01,05,2024,00,00*6G", Kind::Sentence, "GPZDA", Checksum::Bad, 6},
        {"$GPZDA,120000.00,01,05,2024,00,00*65 trailing", Kind::Sentence, "GPZDA", Checksum::Bad, 6},
        {"$IIMTW,18.5,C*1f", Kind::Sentence, "IIMTW", Checksum::Good, 2},
        {"$IIMTW,18.6,C", Kind::Sentence, "IIMTW", Checksum::Missing, 2},
        {"$PJELA,1,0,0*4F", Kind::Sentence, "PJELA", Checksum::Good, 3},
        {"$PGRMZ", Kind::Sentence, "PGRMZ", Checksum::Missing, 0},
        {"!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,0*5F", Kind::Sentence, "AIVDM", Checksum::Good, 6},
        {"rx COM3 $5 off: $GPZDA,120000.00,01,05,2024,00,00*65", Kind::Sentence, "GPZDA", Checksum::Good, 6},
        {"$GPGGA,,,,,,0,,,,,,,,*66", Kind::Sentence, "GPGGA", Checksum::Good, 14},
        {"", Kind::Blank, "", Checksum::Missing, 0},
        {" \t\r", Kind::Blank, "", Checksum::Missing, 0},
        {"$GP", Kind::Garbage, "", Checksum::Missing, 0},
        {"$gpzda,1,2", Kind::Garbage, "", Checksum::Missing, 0},
        {"GPZDA,120000.00,01,05,2024,00,00*65", Kind::Garbage, "", Checksum::Missing, 0},
        {"$GPZDA;1;2", Kind::Garbage, "", Checksum::Missing, 0},
        {std::string("\x00\xff$\x80", 4), Kind::Garbage, "", Checksum::Missing, 0},
    };
    for (const Case& c : cases) {
        const CaptureLine line = parseCaptureLine(c.line);
        EXPECT_EQ(line.kind, c.kind) << c.line;
        if (c.kind != Kind::Sentence)
            continue;
        EXPECT_EQ(line.sentence.address, c.address) << c.line;
        EXPECT_EQ(line.sentence.checksum, c.checksum) << c.line;
        EXPECT_EQ(line.sentence.fields.size(), c.fields) << c.line;
    }
    EXPECT_EQ(parseCaptureLine("!AIVDM,1,1,,A,1,0*00").sentence.start, '!');
    EXPECT_EQ(parseCaptureLine("$GPZDA,120000.00,01,05,2024,00,00*65").sentence.fields.front(), "120000.00");
}

TEST(CaptureTime, StampsBeforeTheSentenceAreReadCountersAreNot)
{
    struct Case {
        std::string prefix;
        std::optional<CaptureTime::Kind> kind;
        double seconds;
    };
    const double day = 86400.0;
    const double may1 = 19844 * day; // 2024-05-01 in days since 1970
    const Case cases[] = {
        {"2024-05-01T12:00:00Z ", CaptureTime::Kind::DateTime, may1 + 43200},
        {"2024-05-01 12:00:00.250 ", CaptureTime::Kind::DateTime, may1 + 43200.25},
        {"[2024-05-01_12:00:00,5] ", CaptureTime::Kind::DateTime, may1 + 43200.5},
        {"2024-05-01T14:00:00+02:00 ", CaptureTime::Kind::DateTime, may1 + 43200},
        {"2024-05-01T07:30:00-0430 ", CaptureTime::Kind::DateTime, may1 + 43200},
        {"12:00:01.5 rx ", CaptureTime::Kind::TimeOfDay, 43201.5},
        {"1714564800 ", CaptureTime::Kind::Seconds, 1714564800},
        {"[   12.345] ", CaptureTime::Kind::Seconds, 12.345},
        {"ttyUSB0 0.5: ", CaptureTime::Kind::Seconds, 0.5},
        {"#17 ", std::nullopt, 0},
        {"2024-05-01 ", std::nullopt, 0},
        {"line 0001: ", std::nullopt, 0},
        {"25:00:00 ", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const auto time = captureTimeIn(c.prefix);
        ASSERT_EQ(time.has_value(), c.kind.has_value()) << c.prefix;
        if (!time)
            continue;
        EXPECT_EQ(time->kind, *c.kind) << c.prefix;
        EXPECT_NEAR(time->seconds, c.seconds, 1e-6) << c.prefix;
    }
    EXPECT_EQ(parseCaptureLine("12:00:01 $GPZDA,1*55").time->seconds, 43201.0);
}

} // namespace
} // namespace birch

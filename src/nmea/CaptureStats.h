#pragma once

#include "nmea/CaptureLine.h"
#include "nmea/Catalog.h"

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace birch {

// What a capture holds of one sentence type. Only sentences whose checksum is right or absent
// count as seen; the others are counted apart and otherwise ignored.
struct SentenceTypeStats {
    std::string name; // the type: "ZDA" for a standard sentence of any talker, "$PJELA" whole
    long long seen = 0;
    long long withoutChecksum = 0; // among `seen`
    long long badChecksum = 0;
    std::set<std::string> talkers; // of standard sentences seen
    long long timed = 0;           // seen sentences with a time stamp
    double firstTime = 0.0;
    double lastTime = 0.0;
    std::size_t minFields = 0; // data fields per seen sentence
    std::size_t maxFields = 0;
    // What the sentences say of the indexes rules pick, where the sentence defines it:
    std::set<int> gsvSentenceNumbers; // GSV field 2
    std::set<int> gsvSatellites;      // GSV satellite blocks: 4 x (sentence number - 1) + block
    std::set<int> xdrTransducers;     // XDR measurement quadruplets, from 1

    // Sentences per second between the first and the last time stamp; nothing without two
    // distinct time stamps.
    std::optional<double> rate() const;
};

struct CaptureTotals {
    long long lines = 0;
    long long blank = 0;
    long long garbage = 0;
    long long sentences = 0;
    long long badChecksum = 0;
    long long withoutChecksum = 0;
    long long timed = 0;
};

// Counts the sentences of a capture, fed as text in pieces of any size (a file at once, or what
// a serial port delivers). Lines end with LF, CR LF or CR.
class CaptureStats {
public:
    explicit CaptureStats(const Catalog& catalog);

    void addText(std::string_view text);
    // Ends the last line when the text did not.
    void finish();

    const CaptureTotals& totals() const { return totals_; }
    const std::map<std::string, SentenceTypeStats>& types() const { return types_; }
    const SentenceTypeStats* type(std::string_view name) const;

    // The type a sentence counts for.
    std::string typeOf(const CaptureSentence& sentence) const;

private:
    void addLine(std::string_view line);
    void addSentence(const CaptureSentence& sentence, std::optional<double> time);
    std::optional<double> timeOf(const std::optional<CaptureTime>& time);

    std::set<std::string, std::less<>> wholeNames_; // catalog names matched whole
    std::string pending_;
    bool afterCr_ = false;
    CaptureTotals totals_;
    std::map<std::string, SentenceTypeStats> types_;
    std::optional<CaptureTime::Kind> timeKind_;
    double lastTimeOfDay_ = 0.0;
    double dayOffset_ = 0.0;
};

} // namespace birch

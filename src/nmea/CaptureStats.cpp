#include "nmea/CaptureStats.h"

#include "common/DecimalNumber.h"

#include <algorithm>

namespace birch {

namespace {

// A line longer than this is noise (a port read at the wrong speed): it is counted as garbage
// without waiting for its end.
constexpr std::size_t kMaxLine = 4096;
constexpr double kDay = 86400.0;
constexpr int kGsvBlockStart = 3;
constexpr int kBlockFields = 4;

// GSV: field 1 the total, field 2 the sentence number, field 3 the satellites in view, then
// blocks of four (ID, elevation, azimuth, SNR) and, since version 4.1, a signal ID.
void noteGsv(SentenceTypeStats& stats, const CaptureSentence& sentence)
{
    const auto& fields = sentence.fields;
    const auto number = fields.size() > 1 ? parseDecimal(fields[1]) : std::nullopt;
    if (!number || *number < 1)
        return;
    stats.gsvSentenceNumbers.insert(*number);
    const std::size_t blocks = fields.size() > kGsvBlockStart ? (fields.size() - kGsvBlockStart) / kBlockFields : 0;
    for (std::size_t block = 0; block < blocks; ++block) {
        const auto first = fields.begin() + kGsvBlockStart + static_cast<std::ptrdiff_t>(block) * kBlockFields;
        if (std::all_of(first, first + kBlockFields, [](const std::string& f) { return f.empty(); }))
            continue;
        stats.gsvSatellites.insert((*number - 1) * kBlockFields + static_cast<int>(block) + 1);
    }
}

// XDR: quadruplets of type, value, unit and transducer ID.
void noteXdr(SentenceTypeStats& stats, const CaptureSentence& sentence)
{
    const std::size_t quadruplets = sentence.fields.size() / kBlockFields;
    for (std::size_t i = 1; i <= quadruplets; ++i)
        stats.xdrTransducers.insert(static_cast<int>(i));
}

bool isStandardAddress(std::string_view address)
{
    return address.size() == 5 && address.front() != 'P';
}

} // namespace

std::optional<double> SentenceTypeStats::rate() const
{
    if (timed < 2 || lastTime <= firstTime)
        return std::nullopt;
    return static_cast<double>(timed - 1) / (lastTime - firstTime);
}

CaptureStats::CaptureStats(const Catalog& catalog)
{
    for (const SentenceEntry& entry : catalog.NMEA0183_Sentences())
        if (!entry.Name.empty() && entry.Name.front() == '$')
            wholeNames_.emplace(entry.Name);
}

void CaptureStats::addText(std::string_view text)
{
    for (const char c : text) {
        if (c == '\n' && afterCr_) {
            afterCr_ = false;
            continue;
        }
        afterCr_ = c == '\r';
        if (c == '\n' || c == '\r') {
            addLine(pending_);
            pending_.clear();
            continue;
        }
        pending_ += c;
        if (pending_.size() > kMaxLine) {
            ++totals_.lines;
            ++totals_.garbage;
            pending_.clear();
        }
    }
}

void CaptureStats::finish()
{
    if (!pending_.empty())
        addLine(pending_);
    pending_.clear();
    afterCr_ = false;
}

const SentenceTypeStats* CaptureStats::type(std::string_view name) const
{
    const auto found = types_.find(std::string(name));
    return found == types_.end() ? nullptr : &found->second;
}

std::string CaptureStats::typeOf(const CaptureSentence& sentence) const
{
    const std::string whole = sentence.start + sentence.address;
    if (wholeNames_.count(whole) != 0 || !isStandardAddress(sentence.address))
        return whole;
    return sentence.address.substr(2);
}

void CaptureStats::addLine(std::string_view text)
{
    const CaptureLine line = parseCaptureLine(text);
    ++totals_.lines;
    switch (line.kind) {
    case CaptureLine::Kind::Blank:
        ++totals_.blank;
        return;
    case CaptureLine::Kind::Garbage:
        ++totals_.garbage;
        return;
    case CaptureLine::Kind::Sentence:
        break;
    }
    addSentence(line.sentence, timeOf(line.time));
}

std::optional<double> CaptureStats::timeOf(const std::optional<CaptureTime>& time)
{
    // A capture keeps one kind of stamp; a line with another kind counts as untimed.
    if (!time || (timeKind_ && *timeKind_ != time->kind))
        return std::nullopt;
    timeKind_ = time->kind;
    if (time->kind != CaptureTime::Kind::TimeOfDay)
        return time->seconds;
    // A time of day that jumps back by more than half a day has passed midnight.
    if (time->seconds + dayOffset_ < lastTimeOfDay_ - kDay / 2)
        dayOffset_ += kDay;
    lastTimeOfDay_ = time->seconds + dayOffset_;
    return lastTimeOfDay_;
}

void CaptureStats::addSentence(const CaptureSentence& sentence, std::optional<double> time)
{
    ++totals_.sentences;
    if (time)
        ++totals_.timed;
    const std::string name = typeOf(sentence);
    SentenceTypeStats& stats = types_[name];
    stats.name = name;
    if (sentence.checksum == CaptureSentence::Checksum::Bad) {
        ++totals_.badChecksum;
        ++stats.badChecksum;
        return;
    }
    if (sentence.checksum == CaptureSentence::Checksum::Missing) {
        ++totals_.withoutChecksum;
        ++stats.withoutChecksum;
    }
    const std::size_t fields = sentence.fields.size();
    stats.minFields = stats.seen == 0 ? fields : std::min(stats.minFields, fields);
    stats.maxFields = std::max(stats.maxFields, fields);
    ++stats.seen;
    if (name.front() != '$' && name.front() != '!')
        stats.talkers.insert(sentence.address.substr(0, 2));
    if (time) {
        if (stats.timed == 0)
            stats.firstTime = *time;
        stats.lastTime = *time;
        ++stats.timed;
    }
    if (name == "GSV")
        noteGsv(stats, sentence);
    else if (name == "XDR")
        noteXdr(stats, sentence);
}

} // namespace birch

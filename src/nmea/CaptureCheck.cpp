#include "nmea/CaptureCheck.h"

#include "common/DecimalNumber.h"
#include "nmea/IndexSentences.h"

#include <algorithm>

namespace birch {

namespace {

constexpr std::string_view kGsv = "GSV";
constexpr std::string_view kXdr = "XDR";
constexpr int kGsvSentenceNumberField = 1;
constexpr int kGsvFirstSatelliteField = 3;
constexpr int kGsvLastSatelliteField = 6;

std::string fieldCounts(const SentenceTypeStats& stats)
{
    if (stats.minFields == stats.maxFields)
        return "data fields per sentence: " + std::to_string(stats.maxFields);
    return "data fields per sentence: " + std::to_string(stats.minFields) + "-" + std::to_string(stats.maxFields);
}

// Fills what the capture shows of the rule's index; `isIndexRule` as the rule editor decides.
void noteIndexes(RuleCaptureResult& result, const PlacedRule& rule, const SentenceTypeStats& stats, bool isIndexRule)
{
    if (!isIndexRule)
        return;
    const auto index = parseDecimal(rule.rule.Index);
    const auto among = [&](const std::set<int>& numbers) -> std::optional<bool> {
        if (!index)
            return std::nullopt;
        return numbers.count(*index) != 0;
    };
    if (result.sentence == kGsv) {
        result.indexesSeen = "sentence numbers " + numberRanges(stats.gsvSentenceNumbers) + "; satellites " +
                             numberRanges(stats.gsvSatellites);
        if (rule.field == kGsvSentenceNumberField)
            result.indexSeen = among(stats.gsvSentenceNumbers);
        else if (rule.field >= kGsvFirstSatelliteField && rule.field <= kGsvLastSatelliteField)
            result.indexSeen = among(stats.gsvSatellites);
        return;
    }
    if (result.sentence == kXdr) {
        result.indexesSeen = "transducers " + numberRanges(stats.xdrTransducers);
        result.indexSeen = among(stats.xdrTransducers);
        return;
    }
    // The other index sentences do not say what their index counts.
    result.indexesSeen = fieldCounts(stats);
}

} // namespace

bool CaptureCheck::everyRuleSeen() const
{
    return std::none_of(rules.begin(), rules.end(), [](const RuleCaptureResult& r) { return r.neverSeen(); });
}

CaptureCheck checkCapture(const Catalog& catalog, const std::vector<PlacedRule>& rules, const CaptureStats& capture,
                          std::optional<std::string_view> channel)
{
    CaptureCheck check;
    check.totals = capture.totals();
    std::set<std::string> used;
    for (const PlacedRule& rule : rules) {
        if (channel && rule.rule.Serial_Channel != *channel)
            continue;
        RuleCaptureResult result;
        result.row = rule.row;
        result.sentence = std::string(rule.sentenceName(catalog));
        result.field = std::string(rule.fieldText(catalog));
        result.channel = rule.rule.Serial_Channel;
        result.index = rule.rule.Index;
        // The statistics name a type as the catalog does: "ZDA" for every talker, "$PJELA" whole.
        used.insert(result.sentence);
        if (const SentenceTypeStats* stats = capture.type(result.sentence)) {
            result.seen = stats->seen;
            result.badChecksum = stats->badChecksum;
            result.rate = stats->rate();
            result.talkers = stats->talkers;
            if (stats->seen > 0)
                noteIndexes(result, rule, *stats, isIndexSentence(rule.sentence));
        }
        check.rules.push_back(std::move(result));
    }
    for (const auto& [name, stats] : capture.types())
        if (used.count(name) == 0)
            check.unused.push_back(stats);
    return check;
}

std::string numberRanges(const std::set<int>& numbers)
{
    if (numbers.empty())
        return "none";
    std::string text;
    for (auto it = numbers.begin(); it != numbers.end();) {
        const int first = *it;
        int last = first;
        while (++it != numbers.end() && *it == last + 1)
            last = *it;
        text += (text.empty() ? "" : ", ") + std::to_string(first);
        if (last != first)
            text += "-" + std::to_string(last);
    }
    return text;
}

} // namespace birch

#include "nmea/CaptureCheckText.h"

#include "common/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace birch {

namespace {

// Columns padded to their widest cell, two blanks apart.
std::string aligned(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[c] = std::max(widths[c], row[c].size());
        }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(widths[c] - row[c].size() + 2, ' ');
        }
        text += line + "\n";
    }
    return text;
}

} // namespace

std::string rateText(const std::optional<double>& rate)
{
    if (!rate)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", *rate);
    return text;
}

std::string talkersText(const std::set<std::string>& talkers)
{
    std::string text;
    for (const std::string& talker : talkers)
        text += (text.empty() ? "" : ", ") + sanitizeUtf8(talker);
    return text.empty() ? "-" : text;
}

std::string verdictText(const RuleCaptureResult& result)
{
    return result.neverSeen() ? "never seen" : "seen";
}

std::string indexText(const RuleCaptureResult& result)
{
    if (result.indexSeen)
        return sanitizeUtf8(result.index) + (*result.indexSeen ? ": seen (" : ": not seen (") + result.indexesSeen +
               ")";
    return result.indexesSeen.empty() ? "-" : result.indexesSeen;
}

std::string totalsText(const CaptureTotals& totals)
{
    return std::to_string(totals.lines) + " lines: " + std::to_string(totals.sentences) + " sentences (" +
           std::to_string(totals.badChecksum) + " with a wrong checksum, " + std::to_string(totals.withoutChecksum) +
           " without a checksum, " + std::to_string(totals.timed) + " with a time stamp), " +
           std::to_string(totals.blank) + " blank, " + std::to_string(totals.garbage) + " not a sentence.";
}

std::string captureCheckText(const CaptureCheck& check)
{
    std::string text = "Capture: " + totalsText(check.totals) + "\n";
    text += "Field values are not decoded: how the device converts them is not known from the project files.\n\n";
    if (check.rules.empty()) {
        text += "No enabled rule to check.\n";
    } else {
        std::vector<std::vector<std::string>> rows = {{"Row", "Sentence", "Field", "Channel", "Seen", "Per second",
                                                       "Bad checksum", "Talkers", "Index", "Verdict"}};
        for (const RuleCaptureResult& r : check.rules)
            rows.push_back({std::to_string(r.row), r.sentence, r.field, sanitizeUtf8(r.channel), std::to_string(r.seen),
                            rateText(r.rate), std::to_string(r.badChecksum), talkersText(r.talkers), indexText(r),
                            verdictText(r)});
        text += aligned(rows);
    }
    if (check.unused.empty())
        return text;
    text += "\nSentence types no rule uses:\n";
    std::vector<std::vector<std::string>> rows = {{"Type", "Seen", "Per second", "Bad checksum", "Talkers"}};
    for (const SentenceTypeStats& stats : check.unused)
        rows.push_back({sanitizeUtf8(stats.name), std::to_string(stats.seen), rateText(stats.rate()),
                        std::to_string(stats.badChecksum), talkersText(stats.talkers)});
    return text + aligned(rows);
}

} // namespace birch

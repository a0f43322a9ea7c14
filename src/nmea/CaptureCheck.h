#pragma once

#include "nmea/CaptureStats.h"
#include "nmea/PlacedRules.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// What a capture says about one enabled rule.
struct RuleCaptureResult {
    int row = 0;
    std::string sentence; // the catalog name
    std::string field;
    std::string channel;
    std::string index; // the rule's Index cell
    long long seen = 0;
    long long badChecksum = 0;
    std::optional<double> rate;
    std::set<std::string> talkers;
    // The indexes the capture shows for this sentence, in words; empty when the sentence carries
    // none the configurator can read.
    std::string indexesSeen;
    // Whether the rule's own index is among them; nothing when that cannot be told.
    std::optional<bool> indexSeen;

    bool neverSeen() const { return seen == 0; }
};

struct CaptureCheck {
    CaptureTotals totals;
    std::vector<RuleCaptureResult> rules;
    // Types the capture holds that no checked rule uses, by name.
    std::vector<SentenceTypeStats> unused;

    bool everyRuleSeen() const;
};

// Checks the enabled rules, or only those on `channel` when given, against a capture.
CaptureCheck checkCapture(const Catalog& catalog, const std::vector<PlacedRule>& rules, const CaptureStats& capture,
                          std::optional<std::string_view> channel);

// A set of numbers as ranges: "1-3, 5".
std::string numberRanges(const std::set<int>& numbers);

} // namespace birch

#pragma once

#include "nmea/CaptureCheck.h"

#include <string>
#include <vector>

namespace birch {

// The words and numbers a capture check shows, shared by the command line and the window.
std::string rateText(const std::optional<double>& rate);
std::string talkersText(const std::set<std::string>& talkers);
std::string verdictText(const RuleCaptureResult& result);
// The rule's index against what the capture shows: "3: seen", "12: not seen", or the indexes.
std::string indexText(const RuleCaptureResult& result);
std::string totalsText(const CaptureTotals& totals);

// The whole check as plain text: the totals, one aligned line per rule, then the types no rule
// uses.
std::string captureCheckText(const CaptureCheck& check);

} // namespace birch

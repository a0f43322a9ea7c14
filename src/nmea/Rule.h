#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace birch {

// One sentence rule, one table row: the texts as the table holds them and the three boxes.
struct TNMEA0183_Rule {
    bool Enable = true;
    std::string Serial_Channel;
    std::string Sentence;
    std::string Index;
    std::string DataField;
    std::string PortOperation;
    bool SwapAll = false;
    bool Swap16 = false;
    std::string Position;
    std::string Mnemonic;

    bool operator==(const TNMEA0183_Rule&) const = default;
};

// The rule table has exactly this many rows; the row count never changes.
inline constexpr std::size_t kRuleRows = 100;

// Row r of the table (1-based) is element r - 1.
using RuleTable = std::array<TNMEA0183_Rule, kRuleRows>;

} // namespace birch

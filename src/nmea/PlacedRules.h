#pragma once

#include "nmea/Catalog.h"
#include "nmea/Rule.h"

#include <cstdint>
#include <vector>

namespace birch {

// An enabled rule with the bytes it fills: the rule editor's notion of a rule that reaches the
// data area (Enable checked, sentence and data field known to the catalog, Position a decimal
// number), whatever validation would say about it.
struct PlacedRule {
    int row = 0; // table row, from 1
    TNMEA0183_Rule rule;
    int sentence = 0; // catalog number
    int field = 0;    // field number in the sentence
    std::int64_t firstByte = 0;
    int size = 0; // the field's Dimension

    std::int64_t lastByte() const { return firstByte + size - 1; }
    std::string_view sentenceName(const Catalog& catalog) const;
    std::string_view fieldText(const Catalog& catalog) const;
};

// The enabled rules of a table in row order.
std::vector<PlacedRule> placedRules(const Catalog& catalog, const RuleTable& rules);

} // namespace birch

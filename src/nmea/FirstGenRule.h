#pragma once

#include <array>
#include <cstddef>
#include <string>

// The first-generation sentence list: an older, simpler editor of NMEA_0183_Set_Access.xml in
// which a rule names only a sentence, an index, a serial channel and a mnemonic. Its loading,
// channel and validation rules differ from the rule editor's, so they live in their own namespace.
namespace birch::firstgen {

// One rule, one table row: the cells' texts as the table holds them. Enable is the text of a
// check-box cell, "Y" or "N" when set through the box, anything when read from a file.
struct Rule {
    std::string Enable = "Y";
    std::string Sentence;
    std::string Index;
    std::string Serial_Channel;
    std::string Mnemonic;

    bool operator==(const Rule&) const = default;
};

// The list has exactly this many rows; the row count never changes.
inline constexpr std::size_t kRows = 100;

// Row r of the table (1-based) is element r - 1.
using RuleTable = std::array<Rule, kRows>;

} // namespace birch::firstgen

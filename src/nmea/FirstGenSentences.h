#pragma once

#include "nmea/Catalog.h"

#include <string_view>

namespace birch::firstgen {

// Only these sentences carry an index in this list, always between 1 and 10.
inline constexpr int kXdr = 34;
inline constexpr int kPjela = 35;
inline constexpr int kIndexLow = 1;
inline constexpr int kIndexHigh = 10;

// The catalog number of a sentence cell, looked up trimmed and upper-cased as validation and the
// image compiler see it; -1 when it names no catalog sentence.
int sentenceNumber(const Catalog& catalog, std::string_view sentence);

// Whether the row's sentence carries an index: its Index cell is editable, checked and saved.
bool takesIndex(const Catalog& catalog, std::string_view sentence);

} // namespace birch::firstgen

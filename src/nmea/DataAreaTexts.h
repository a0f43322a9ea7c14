#pragma once

#include "lang/ExtraTexts.h"
#include "nmea/DataAreaMap.h"

#include <string>

namespace birch {

// The tip over a byte of the map: its number and register, then each rule on it on its own line
// (row, sentence, data field), or "free".
std::string byteTipText(const ExtraTexts& extra, const Catalog& catalog, const DataAreaMap& map, int byte);

// The warning OK shows when enabled rules share bytes: one line per pair with the shared bytes,
// then the question whether to save anyway. Empty when no bytes are shared.
std::string overlapWarningText(const ExtraTexts& extra, const DataAreaMap& map);

} // namespace birch

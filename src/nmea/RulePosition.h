#pragma once

#include "nmea/Catalog.h"
#include "nmea/Rule.h"

#include <cstdint>
#include <string_view>

namespace birch {

// The first free byte after the nearest enabled rule above row `row` (1-based) whose sentence
// and data field are in the catalog: its Position (0 when not a number) plus its field size.
// Rows that do not qualify are skipped; 0 when none qualifies or for row 1. Wide enough that a
// hand-written huge Position cannot overflow.
std::int64_t Get_Last_Position(const Catalog& catalog, const RuleTable& rules, int row);

// Fills the Position of row `row` for sentence `sentence` and field `field`: the last position,
// one further for a field of one or three bytes.
void Set_Position(const Catalog& catalog, RuleTable& rules, int row, std::string_view sentence, std::string_view field);

} // namespace birch

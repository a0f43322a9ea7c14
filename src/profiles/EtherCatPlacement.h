#pragma once

#include "common/GridModel.h"

#include <vector>

namespace birch {

// Places the variables of one table in the data area and writes each row's Position and Start
// Bit (columns 6 and 7 of the slave-to-master table, 5 and 6 of the master-to-slave table).
// Rows are placed from the first up to the first whose Type (trimmed) is empty. Consecutive
// enabled Bool rows share a byte, eight bits to a byte; any other type starts on the byte after
// an open bit group and takes its size, a String its Length (not a number or negative: 0).
// A disabled row shows 0 / 0 and neither takes space nor closes a bit group. No alignment.
void Calc_Position_Bit(GridModel& grid, bool SlaveMaster);

// The enabled rows in use whose place, as `Calc_Position_Bit` computes it, runs past the end of
// the data area. Reads the types and lengths only, so it holds for the table as it stands.
std::vector<int> Rows_Past_Data_Area(const GridModel& grid, bool SlaveMaster);

} // namespace birch

#pragma once

#include "common/GridModel.h"
#include "nmea/Catalog.h"
#include "nmea/FirstGenRule.h"

#include <array>

namespace birch::firstgen {

// The columns of the list; column 0 shows the row number.
namespace Column {
inline constexpr int Number = 0;
inline constexpr int Enable = 1;
inline constexpr int Sentence = 2;
inline constexpr int Index = 3;
inline constexpr int SerialChannel = 4;
inline constexpr int Mnemonic = 5;
inline constexpr int Count = 6;
} // namespace Column

inline constexpr std::array<int, Column::Count> kColumnWidths = {40, 50, 120, 120, 120, 275};
// Header text and header hint of each column (0: none).
inline constexpr std::array<int, Column::Count> kHeaderTexts = {614, 615, 616, 628, 617, 618};
inline constexpr std::array<int, Column::Count> kHeaderHints = {0, 619, 620, 629, 621, 622};
inline constexpr int kClientWidth = 750;
inline constexpr int kClientHeight = 337;

// A header row and one row per rule, as `Reset_Grid` leaves it.
GridModel makeGrid();

// Every data row as at the start of a showing: its number, Enable "Y" (edited through a check
// box), every other cell empty and the Index cell read-only.
void Reset_Grid(GridModel& grid);

RuleTable rulesFromGrid(const GridModel& grid);
// Puts loaded rules into the rows and sets the Index editability of every row.
void fillGrid(GridModel& grid, const RuleTable& rules, const Catalog& catalog);

// The Index cell of a row is editable exactly when the row's sentence takes an index.
void Set_Index_Editable(GridModel& grid, int row, const Catalog& catalog);
void Set_Index_Editable_All(GridModel& grid, const Catalog& catalog);

} // namespace birch::firstgen

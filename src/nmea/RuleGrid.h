#pragma once

#include "common/GridModel.h"
#include "nmea/Catalog.h"
#include "nmea/Rule.h"

#include <string>

namespace birch {

// The columns of the sentence rule table; column 0 shows the row number.
namespace RuleColumn {
inline constexpr int Number = 0;
inline constexpr int Enable = 1;
inline constexpr int SerialChannel = 2;
inline constexpr int Sentence = 3;
inline constexpr int Index = 4;
inline constexpr int DataField = 5;
inline constexpr int PostOpe = 6;
inline constexpr int SwapAll = 7;
inline constexpr int Swap16 = 8;
inline constexpr int Position = 9;
inline constexpr int Mnemonic = 10;
inline constexpr int Count = 11;
} // namespace RuleColumn

// A header row and one row per rule, with the three check boxes; as `Reset_Rule_Grid` leaves it.
GridModel makeRuleGrid();

// Every data row as at the start of a showing: its number, Enable checked, both swap boxes
// unchecked, every text empty and the Index cell read-only.
void Reset_Rule_Grid(GridModel& grid);

RuleTable rulesFromGrid(const GridModel& grid);
// Puts loaded rules into the rows and sets the Index editability of each row from its sentence.
void fillRuleGrid(GridModel& grid, const RuleTable& rules, const Catalog& catalog);

// The Index cell of a row is editable exactly when the row's sentence carries an index.
void Set_Index_Editable(GridModel& grid, int row, const Catalog& catalog);
void Set_Index_Editable_All(GridModel& grid, const Catalog& catalog);

// Choosing a sentence in a row: its first field becomes the Data Field, the Index editability
// follows the sentence (its text stays) and the Position is filled automatically.
void Choose_Sentence(GridModel& grid, const Catalog& catalog, int row, const std::string& sentence);
// Choosing a data field: the Position is filled automatically.
void Choose_DataField(GridModel& grid, const Catalog& catalog, int row, const std::string& field);

} // namespace birch

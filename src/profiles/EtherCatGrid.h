#pragma once

#include "common/GridModel.h"
#include "profiles/EtherCatVariable.h"

#include <string_view>
#include <vector>

namespace birch {

// Where each value sits in one of the two variables tables; column 0 shows the row number.
// The master-to-slave table has no Init Value column (`initValue` is -1 there).
struct VariableColumns {
    int enable;
    int type;
    int length;
    int name;
    int initValue;
    int position;
    int bitStart;
    int mnemonic;
    int count;
};

inline constexpr VariableColumns kSlaveToMasterColumns{1, 2, 3, 4, 5, 6, 7, 8, 9};
inline constexpr VariableColumns kMasterToSlaveColumns{1, 2, 3, 4, -1, 5, 6, 7, 8};

// The slave-to-master table when `SlaveMaster` is true, the master-to-slave table otherwise.
const VariableColumns& Variable_Columns(bool SlaveMaster);

// A header row and 256 data rows, as `Reset_Variable_Grid` leaves them.
GridModel makeVariableGrid(bool SlaveMaster);

// Every data row as at the start of a showing: its number, Enable ticked, every text empty,
// Length, Position and Start Bit read-only.
void Reset_Variable_Grid(GridModel& grid, const VariableColumns& columns);

// The length rule of `type` applied to `row`: the Length it sets and whether Length can be
// edited. A type without a rule leaves both as they are. Length is column 3 in both tables.
void VarSetLength(GridModel& grid, std::string_view type, int row);

// Length editable exactly in the rows whose type lets the user choose it; for after rows moved.
void Set_Length_Editable_All(GridModel& grid);

// Loaded variables into the rows from the first: the type's length rule first, then the stored
// Length over it.
void Fill_Variable_Grid(GridModel& grid, const VariableColumns& columns,
                        const std::vector<EtherCatVariable>& variables);

// The rows in use: from the first row up to the first whose Type (trimmed) is empty.
std::vector<EtherCatVariable> Variables_In_Use(const GridModel& grid, const VariableColumns& columns);

} // namespace birch

#pragma once

#include "common/GridModel.h"

#include <functional>
#include <string>
#include <vector>

namespace birch {

// Row operations shared by every rule table, in two families: plain tables (all cells are
// texts) and check-box tables (cells may carry check boxes). `row` is the table's current row;
// a row outside the data rows leaves the table unchanged. The copy buffer and check-box flags
// are the process-wide ones, passed in by the caller.

void Delete_Row(int row, GridModel& table);
void Insert_Row(int row, GridModel& table, bool enable);
void Copy_Row(const GridModel& table, int row, std::vector<std::string>& CopyBuffer);

void Delete_Row_Check(int row, GridModel& table, bool enable);
void Insert_Row_Check(int row, GridModel& table, bool enable);
void Copy_Row_Check(const GridModel& table, int row, std::vector<std::string>& CopyBuffer,
                    std::vector<bool>& CheckBoxColumns);

enum class PasteOutcome {
    Pasted,
    Declined,      // the row held data and the user answered No
    NothingCopied, // this table has not copied a row yet (text 902)
    DoesNotFit,    // the copied row has another number of columns (text 901)
    NoRow,         // the row is not a data row
};

// Asked only when the row already holds data; true pastes over it (text 900).
using ConfirmOverwrite = std::function<bool()>;

PasteOutcome Paste_Row(GridModel& table, int row, bool copied, const std::vector<std::string>& CopyBuffer,
                       const ConfirmOverwrite& confirmOverwrite);
PasteOutcome Paste_Row_Check(GridModel& table, int row, bool copied, const std::vector<std::string>& CopyBuffer,
                             const std::vector<bool>& CheckBoxColumns, const ConfirmOverwrite& confirmOverwrite);

} // namespace birch

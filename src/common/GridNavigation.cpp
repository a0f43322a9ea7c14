#include "common/GridNavigation.h"

namespace birch {

bool Jump_Next_Field(const GridModel& table, bool JumpFieldOnEnter, int key, GridPosition& current)
{
    if (!JumpFieldOnEnter || key != kEnterKey)
        return false;
    const auto columns = table.shownDataColumns();
    if (current.row <= 0 || current.column <= 0 || columns.empty())
        return true;
    for (int c : columns) {
        if (c > current.column) {
            current.column = c;
            return true;
        }
    }
    current.column = columns.front();
    current.row = current.row >= table.lastRow() ? 1 : current.row + 1;
    return true;
}

bool Auto_Size_Column(bool DoubleClickAutoSize, int row, int column)
{
    return DoubleClickAutoSize && row == 0 && column >= 0;
}

} // namespace birch

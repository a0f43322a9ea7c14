#pragma once

#include "common/GridModel.h"

namespace birch {

inline constexpr int kEnterKey = 13;

struct GridPosition {
    int row = 0;
    int column = 0;
};

// Enter moves to the next shown data column, wrapping to the first one of the next row, and
// from the last row back to row 1. Returns true when the key is consumed (it then must not
// reach the table), which is always the case for Enter while `JumpFieldOnEnter` is on.
bool Jump_Next_Field(const GridModel& table, bool JumpFieldOnEnter, int key, GridPosition& current);

// Whether a double click on (row, column) sizes the column to its content: only on the
// header row and only with `DoubleClickAutoSize` on.
bool Auto_Size_Column(bool DoubleClickAutoSize, int row, int column);

} // namespace birch

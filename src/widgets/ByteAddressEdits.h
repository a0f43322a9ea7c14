#pragma once

#include <QString>

#include <array>

class QLineEdit;

namespace birch {

class CollapsibleGroup;

// The four byte edits of an IP address or mask, with dot labels between them, side by side in
// one cell of a group's grid and named `namePrefix` + "1" to "4". They take any character:
// validation, not the edit, refuses what is not a byte.
std::array<QLineEdit*, 4> addByteAddressEdits(CollapsibleGroup& group, const QString& namePrefix, int row, int column);

} // namespace birch

#pragma once

class QComboBox;

namespace birch {

// The most entries a drop-down list shows before it scrolls.
inline constexpr int kDropDownRows = 20;

// Makes `list` open as a list of at most kDropDownRows entries that scrolls, in every style:
// some styles otherwise open it as a menu as tall as the screen.
void limitDropDownRows(QComboBox& list);

} // namespace birch

#pragma once

#include <string>
#include <string_view>

namespace birch {

// The name the save dialog's choice is written under: unchanged when its last four characters,
// upper-cased, are ".CSV"; otherwise with ".csv" appended (also after another extension).
// Only ASCII letters are upper-cased, so no other character (such as "ſ", whose Unicode upper
// case is "S") makes a name end in ".csv".
std::string Objects_Map_File_Name(std::string_view chosen);

} // namespace birch

#pragma once

#include "platform/LocalDate.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace birch {

// The GSDML naming rule: "GSDML", the schema version, the vendor, the device (typed by the
// user), the date, ".xml".
inline constexpr std::string_view kGsdmlFixedPart1 = "GSDML-V2.25-Velmora-";

// "-", the year in four digits, month and day in two, ".xml".
std::string gsdmlFixedPart2(const CalendarDate& date);

// Fixed part 1, the user part and fixed part 2. A user part of blanks only gives the two fixed
// parts alone; any other is joined with "_" unless it starts with one, and is used untrimmed.
std::string Compose_GSDML_Name(std::string_view userPart, std::string_view fixedPart2);

// The file the step writes: the folder of the file chosen in the save dialog and the composed
// name. Any other name typed in the dialog only selects that folder.
std::filesystem::path gsdmlTarget(const std::filesystem::path& chosen, std::string_view name);

// A name that stays inside the chosen folder: no folder separator and no NUL.
bool isPlainFileName(std::string_view name);

// A save-dialog mask that lists the file of exactly this name. Characters a mask cannot carry
// (blanks and ";" separate masks, "*?[]" are wildcards, others break the filter text) become
// "*", one for each run of them.
std::string gsdmlFilterMask(std::string_view name);

} // namespace birch

#pragma once

#include "cli/ProjectCheck.h"

namespace birch::cli {

// NMEA_0183_Set_Access.xml as the rule editor would judge it on OK: Invalid with the first
// failure and its row prefix (or the rules the table cannot hold), FileError when the file
// cannot be read or parsed or holds no NMEA_Listener; a missing file is an empty table.
CheckResult checkRules(const std::filesystem::path& projectDir, const CliTexts& texts);

} // namespace birch::cli

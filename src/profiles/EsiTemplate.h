#pragma once

#include "profiles/EsiIdentity.h"
#include "profiles/EsiProcessData.h"

#include <string>
#include <vector>

namespace birch {

// The ESI file's lines, without line ends: the fixed template with the identity, the output
// sync manager placed after the input bytes, the output PDOs (master-to-slave) and the input
// PDOs (slave-to-master) in blocks of 16 entries with filler entries after partial bytes, and
// the station alias in the configuration data. Names are written by `esiText`.
std::vector<std::string> Esi_Lines(const EsiIdentity& identity, const EsiProcessData& data);

// The lines as the file holds them: each ended by CR LF.
std::string Esi_File_Text(const std::vector<std::string>& lines);

} // namespace birch

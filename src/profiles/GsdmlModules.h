#pragma once

#include "nmea/ObjectsMap.h"
#include "profiles/GsdmlXml.h"

namespace birch {

// The input modules of the device description: one module, fixed in slot 1, 2, ..., for each
// rule the objects map lists, with one data item per field in the map's order and size.
// Modules whose bytes end beyond `inputBytes` are marked in their info text and by a comment.
// Returns how many were marked.
int appendInputModules(const ObjectsMap& map, int inputBytes, pugi::xml_node useableModules, pugi::xml_node moduleList,
                       GsdmlTexts& texts);

// Input module of slot `slot` (from 1).
std::string inputModuleId(int slot);

} // namespace birch

#pragma once

#include "lang/ExtraTexts.h"
#include "nmea/Save_Objects_Map.h"

#include <optional>
#include <string>

namespace birch {

// What the user is told when the objects map was not written, in the current language: the
// rule row and the character, or the file and on a second line the reason. Nothing once written.
std::optional<std::string> objectsMapMessage(const ExtraTexts& extra, const ObjectsMapSave& save);

} // namespace birch

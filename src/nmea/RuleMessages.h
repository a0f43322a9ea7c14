#pragma once

#include "lang/ExtraTexts.h"
#include "nmea/ListenerFile.h"
#include "nmea/UnsavedRows.h"

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// What the user is told after either editor loaded the rule file: one message naming the file
// when it could not be used or held more rules than the table, nothing otherwise.
std::optional<std::string> loadMessage(const ExtraTexts& extra, const ListenerFileLoad& load,
                                       const std::filesystem::path& file);

// Why a save did not happen, naming the file.
std::string saveMessage(const ExtraTexts& extra, const ListenerFileSave& save, const std::filesystem::path& file);

// The question before saving without rows that hold something: text 330, the first row without
// a sentence, text 331, the rows left out and text 332.
std::string rowsNotSavedQuestion(const ExtraTexts& extra, const UnsavedRows& unsaved);

} // namespace birch

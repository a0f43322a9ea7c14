#pragma once

#include "lang/ExtraTexts.h"
#include "profiles/EtherCatSlaveFile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace birch {

// Text 1533 with the row number in place of its "%d" (a text without one is asked as it stands).
std::string Delete_Row_Question(const std::string& text, int row);

// What the user is told after the variables file was loaded: one message naming the file when
// it could not be used whole or held more rows than a table, nothing otherwise.
std::optional<std::string> Variables_Load_Message(const ExtraTexts& texts, const EtherCatSlaveLoad& load,
                                                  const std::filesystem::path& file);

// Why OK did not save, naming the file.
std::string Variables_Save_Message(const ExtraTexts& texts, const EtherCatSlaveSave& save,
                                   const std::filesystem::path& file);

// The rows whose variables run past the data area, for the line under the table.
std::string Past_Data_Area_Text(const ExtraTexts& texts, const std::vector<int>& rows);

// The warning at OK about those rows; the file is saved all the same.
std::string Past_Data_Area_Warning(const ExtraTexts& texts, const std::vector<int>& rows);

// The question at OK when saving drops the master-to-slave variables the file held.
std::string Master_To_Slave_Question(const ExtraTexts& texts, std::size_t rows);

} // namespace birch

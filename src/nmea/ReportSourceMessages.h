#pragma once

#include "lang/ExtraTexts.h"
#include "nmea/ListenerFile.h"
#include "nmea/ModbusRegisters.h"

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// What the register map and the capture check tell about the project files they read, naming
// the file; nothing when there is nothing to tell.

// The rule file exists but no rule could be taken from it.
std::optional<std::string> ruleSourceFailure(const ExtraTexts& extra, const ListenerFileLoad& load,
                                             const std::filesystem::path& file);
// The rule file holds more rules than the table.
std::optional<std::string> rulesLeftOutNotice(const ExtraTexts& extra, const ListenerFileLoad& load,
                                              const std::filesystem::path& file);
// ParGen.xml exists but cannot be read or parsed.
std::optional<std::string> registerSourceFailure(const ExtraTexts& extra, const RegisterTableLoad& load,
                                                 const std::filesystem::path& file);

} // namespace birch

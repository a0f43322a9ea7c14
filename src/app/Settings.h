#pragma once

#include "common/TextPosition.h"
#include "core/AppState.h"

#include <filesystem>
#include <string>

namespace birch {

inline constexpr const char* kSettingsFileName = "Mosaic.xml";

// The values kept in Mosaic.xml, with their defaults.
struct Settings {
    std::string ProjectName;
    std::string LastIpAddress = kDefaultIpAddress;
    std::string LanguageName = "English";
    bool EnableInternet = false;
    bool EnableUpdateCheck = false;
    bool JumpFieldOnEnter = false;
    bool DoubleClickAutoSize = false;
};

// How Mosaic.xml was read. `Damaged` means it exists but could not be read or parsed: the
// values are then all defaults and `reason` says why.
struct SettingsReadResult {
    enum class Status { Missing, Ok, Damaged };
    Status status = Status::Missing;
    Settings values;
    std::string reason;
    TextPosition at = {}; // where the parser stopped in a file that is no XML
};

// Reads the settings file; each value on its own, a missing element or parent gives that
// value's default, an element with empty text gives an empty value.
SettingsReadResult readSettingsFile(const std::filesystem::path& file);

// The whole document, UTF-8, nothing before or after the root.
std::string serializeSettings(const Settings& settings);

} // namespace birch

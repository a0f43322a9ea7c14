#pragma once

#include "common/TextPosition.h"
#include "nmea/ObjectsMapText.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

class Catalog;
struct AppState;

// What saving the objects map came to. Anything but Written leaves the target untouched.
struct ObjectsMapSave {
    enum class Status { Written, Unreadable, Malformed, Unencodable, WriteFailed };
    Status status = Status::Written;
    std::filesystem::path file; // the rule file for Unreadable and Malformed, else the map file
    std::string reason;         // the system's or the parser's, for Unreadable, Malformed and WriteFailed
    std::optional<ObjectsMapEncodingError> unencodable;
    TextPosition at = {}; // for Malformed: where the parser stopped in the rule file

    bool ok() const { return status == Status::Written; }
};

// Reads the rule file (a missing one gives the header only) and writes the whole map to
// `target` through `writer`, exactly as given: the ".csv" rule belongs to the save dialog.
ObjectsMapSave Save_Objects_Map(const std::filesystem::path& ruleFile, const std::filesystem::path& target,
                                const Catalog& catalog, FileWriter& writer);

// The main window's export: the active project's rule file.
ObjectsMapSave Save_Objects_Map(const AppState& state, const std::filesystem::path& target, FileWriter& writer);

} // namespace birch

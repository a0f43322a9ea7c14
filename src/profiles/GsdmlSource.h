#pragma once

#include "common/TextPosition.h"
#include "profiles/GsdmlDocument.h"

#include <filesystem>
#include <string>

namespace birch {

struct AppState;

// The device description of the active project, or why it could not be made.
struct GsdmlSource {
    enum class Status { Ok, Unreadable, Malformed };
    Status status = Status::Ok;
    std::filesystem::path file; // the rule file, when it could not be used
    std::string reason;
    GsdmlDocument document;
    TextPosition at = {}; // for Malformed: where the parser stopped in the rule file

    bool ok() const { return status == Status::Ok; }
};

// Reads the objects map from the project's rule file (a missing file is an empty map) and
// builds the description of `device` from it.
GsdmlSource Make_Project_GSDML(const AppState& state, const GsdmlDevice& device);

} // namespace birch

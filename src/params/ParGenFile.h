#pragma once

#include "common/TextPosition.h"
#include "params/ParGen.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// What the parameter window learnt from reading ParGen.xml. A file that exists but cannot be
// read or parsed gives the defaults, and the window tells the user once.
struct ParGenLoad {
    enum class Status { Missing, Ok, Unreadable, Malformed };
    TParGen record;
    Status status = Status::Missing;
    std::string reason;   // for Unreadable and Malformed
    TextPosition at = {}; // for Malformed: where the parser stopped

    bool damaged() const { return status == Status::Unreadable || status == Status::Malformed; }
};

// The parameter window's reader: the document's first node is the root whatever its name,
// each key is read on its own and a missing one keeps its default. The rule editor and the
// image compiler read the file with their own rules and do not come through here.
ParGenLoad LoadParGen(const std::filesystem::path& file);

// The whole file: root `Par_Gen` with the 43 keys in order, then the SW_VERSION comment.
std::string ParGenXml(const TParGen& record);

// Writes ParGenXml(record) through `writer`, replacing the file whole.
std::optional<WriteError> SaveParGen(const std::filesystem::path& file, const TParGen& record, FileWriter& writer);

} // namespace birch

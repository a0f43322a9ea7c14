#pragma once

#include "image/Bank.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <optional>

namespace birch {

// Writes the image to `target`, creating its folder first: a project made outside the
// configurator may lack its bin folder.
std::optional<WriteError> Save_Bank(const std::filesystem::path& target, const BankBytes& bytes, FileWriter& writer);

} // namespace birch

#pragma once

#include <cstddef>
#include <filesystem>

namespace birch {

// The longest entry name, in bytes, that the file system holding `folder` takes; the system's
// general limit when that file system does not say.
std::size_t maxFileNameBytes(const std::filesystem::path& folder);

} // namespace birch

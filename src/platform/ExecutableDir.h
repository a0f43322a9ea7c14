#pragma once

#include <filesystem>

namespace birch {

// The folder holding the running executable, without a trailing separator.
std::filesystem::path executableDir();

} // namespace birch

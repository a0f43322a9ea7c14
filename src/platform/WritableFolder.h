#pragma once

#include <filesystem>

namespace birch {

// Whether this process may create files in `folder` (a folder that exists, with write and search
// permission for the process's user).
bool isWritableFolder(const std::filesystem::path& folder);

} // namespace birch

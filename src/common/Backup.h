#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// Keeps a file that could not be parsed before a save replaces it: renames it to
// `<name>.bak`, or `<name>.bak.N` with the next free N; an existing backup is never replaced.
// Returns the backup's path, or the reason it could not be made. A missing file needs none.
struct BackupResult {
    std::optional<std::filesystem::path> backup;
    std::string error;
    bool ok() const { return error.empty(); }
};

BackupResult keepBackup(const std::filesystem::path& file);

} // namespace birch

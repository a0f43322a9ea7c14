#include "common/Backup.h"

#include <system_error>

namespace birch {

BackupResult keepBackup(const std::filesystem::path& file)
{
    BackupResult result;
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return result;
    std::filesystem::path candidate = file;
    candidate += ".bak";
    for (int n = 1; std::filesystem::exists(std::filesystem::symlink_status(candidate, ec)); ++n) {
        candidate = file;
        candidate += ".bak." + std::to_string(n);
    }
    std::filesystem::rename(file, candidate, ec);
    if (ec) {
        result.error = ec.message();
        return result;
    }
    result.backup = candidate;
    return result;
}

} // namespace birch

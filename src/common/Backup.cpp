#include "common/Backup.h"

#include "platform/FileSystemCalls.h"

#include <cerrno>
#include <cstring>
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
    if (fileSystemCalls().rename(file.c_str(), candidate.c_str()) != 0) {
        result.error = std::strerror(errno);
        return result;
    }
    result.backup = candidate;
    return result;
}

} // namespace birch

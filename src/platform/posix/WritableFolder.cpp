#include "platform/WritableFolder.h"

#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace birch {

bool isWritableFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return false;
    // The kernel's answer for the effective user, so read-only mounts, ACLs and groups all count.
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace birch

#include "platform/FileNameLimit.h"

#include <climits>
#include <unistd.h>

namespace birch {

std::size_t maxFileNameBytes(const std::filesystem::path& folder)
{
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : static_cast<std::size_t>(NAME_MAX);
}

} // namespace birch

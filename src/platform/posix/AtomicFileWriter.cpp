#include "platform/FileWriter.h"

#include "platform/FileSystemCalls.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace birch {

namespace {

std::string systemReason(int error)
{
    return std::strerror(error);
}

bool writeAll(const FileSystemCalls& calls, int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = calls.write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

std::optional<WriteError> AtomicFileWriter::write(const std::filesystem::path& target, std::string_view bytes)
{
    const FileSystemCalls& calls = fileSystemCalls();
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    struct stat targetInfo {};
    mode_t mode = 0666 & ~currentUmask();
    if (::stat(target.c_str(), &targetInfo) == 0) {
        if (S_ISDIR(targetInfo.st_mode))
            return WriteError{target, systemReason(EISDIR)};
        mode = targetInfo.st_mode & 07777;
    }

    const int fd = calls.mkstemp(pattern.data());
    if (fd < 0)
        return WriteError{target, systemReason(errno)};
    const std::filesystem::path temporary(pattern);

    // The temporary file goes whatever failed, so that no half-written copy is left behind.
    auto discard = [&](int error) {
        ::unlink(temporary.c_str());
        return WriteError{target, systemReason(error)};
    };
    auto closeAndDiscard = [&](int error) {
        calls.close(fd);
        return discard(error);
    };

    if (!writeAll(calls, fd, bytes))
        return closeAndDiscard(errno);
    if (calls.fchmod(fd, mode) != 0)
        return closeAndDiscard(errno);
    if (calls.fsync(fd) != 0)
        return closeAndDiscard(errno);
    if (calls.close(fd) != 0)
        return discard(errno);
    if (calls.rename(temporary.c_str(), target.c_str()) != 0)
        return discard(errno);
    const int folderFd = calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        // The data is already in place; a folder that refuses fsync only weakens durability.
        calls.fsync(folderFd);
        calls.close(folderFd);
    }
    return std::nullopt;
}

} // namespace birch

#include "platform/FileWriter.h"

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

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
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
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    struct stat targetInfo {};
    mode_t mode = 0666 & ~currentUmask();
    if (::stat(target.c_str(), &targetInfo) == 0) {
        if (S_ISDIR(targetInfo.st_mode))
            return WriteError{target, systemReason(EISDIR)};
        mode = targetInfo.st_mode & 07777;
    }

    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return WriteError{target, systemReason(errno)};
    const std::filesystem::path temporary(pattern);

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return WriteError{target, systemReason(error)};
    };

    if (!writeAll(fd, bytes))
        return fail(errno);
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return WriteError{target, systemReason(error)};
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return WriteError{target, systemReason(error)};
    }
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        // The data is already in place; a folder that refuses fsync only weakens durability.
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return std::nullopt;
}

} // namespace birch

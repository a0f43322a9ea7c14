#include "common/FileRead.h"

#include "platform/FileSystemCalls.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>

namespace birch {

namespace {
FileReadResult failed(std::string reason)
{
    FileReadResult result;
    result.status = FileReadResult::Status::Failed;
    result.reason = std::move(reason);
    return result;
}
} // namespace

FileReadResult readFileForParsing(const std::filesystem::path& file, std::size_t maxSize)
{
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        // A link whose target is gone stands for a file the user has, not one never made.
        if (std::filesystem::is_symlink(std::filesystem::symlink_status(file, ec)))
            return failed("the symbolic link points to a file that does not exist");
        return {};
    }
    if (ec)
        return failed(ec.message());
    // Checked before opening, so that a pipe or device never blocks the reader.
    if (status.type() != std::filesystem::file_type::regular)
        return failed("not a regular file");
    const auto size = std::filesystem::file_size(file, ec);
    if (ec)
        return failed(ec.message());
    if (size > maxSize)
        return failed("the file is larger than " + std::to_string(maxSize) + " bytes");

    const FileSystemCalls& calls = fileSystemCalls();
    // Non-blocking, so that a pipe put in place after the check above cannot hang the reader.
    const int fd = calls.open(file.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return failed(std::strerror(errno));
    // One byte more than expected, to notice a file that grew while it was read.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = calls.read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            calls.close(fd);
            return failed(std::strerror(error));
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    calls.close(fd);
    if (got != size)
        return failed("the file changed while it was read");
    bytes.resize(got);

    FileReadResult result;
    result.status = FileReadResult::Status::Ok;
    result.bytes = std::move(bytes);
    return result;
}

} // namespace birch

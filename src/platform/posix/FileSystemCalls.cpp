#include "platform/FileSystemCalls.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace birch {

namespace {

FileSystemCalls& current()
{
    static FileSystemCalls calls = systemFileSystemCalls();
    return calls;
}

} // namespace

FileSystemCalls systemFileSystemCalls()
{
    FileSystemCalls calls;
    calls.mkstemp = [](char* pattern) { return ::mkostemp(pattern, O_CLOEXEC); };
    calls.open = [](const char* path, int flags) { return ::open(path, flags | O_CLOEXEC); };
    calls.read = [](int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); };
    calls.write = [](int fd, const void* bytes, std::size_t size) { return ::write(fd, bytes, size); };
    calls.fchmod = [](int fd, mode_t mode) { return ::fchmod(fd, mode); };
    calls.fsync = [](int fd) { return ::fsync(fd); };
    calls.close = [](int fd) { return ::close(fd); };
    calls.rename = [](const char* from, const char* to) { return std::rename(from, to); };
    return calls;
}

const FileSystemCalls& fileSystemCalls()
{
    return current();
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls calls) : previous_(std::move(current()))
{
    current() = std::move(calls);
}

ScopedFileSystemCalls::~ScopedFileSystemCalls()
{
    current() = std::move(previous_);
}

} // namespace birch

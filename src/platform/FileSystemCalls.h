#pragma once

#include <cstddef>
#include <functional>
#include <sys/types.h>

namespace birch {

// The system calls through which files are read, written and renamed. Gathered in one place so
// that tests can make each one fail in turn (a disk that fills, a folder that refuses a rename,
// a file that cannot be read even by root); the product always uses the system's own.
struct FileSystemCalls {
    std::function<int(char* pattern)> mkstemp;
    std::function<int(const char* path, int flags)> open;
    std::function<ssize_t(int fd, void* buffer, std::size_t size)> read;
    std::function<ssize_t(int fd, const void* bytes, std::size_t size)> write;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
};

FileSystemCalls systemFileSystemCalls();

// The calls in use now.
const FileSystemCalls& fileSystemCalls();

// Replaces the calls in use for its lifetime (tests only; not thread-safe).
class ScopedFileSystemCalls {
public:
    explicit ScopedFileSystemCalls(FileSystemCalls calls);
    ~ScopedFileSystemCalls();
    ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
    ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

private:
    FileSystemCalls previous_;
};

} // namespace birch

#pragma once

#include "platform/FileSystemCalls.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace birch::test {

// A call that fails with `error` as the system would: -1 and errno set.
inline auto failWith(int error)
{
    return [error](auto...) {
        errno = error;
        return -1;
    };
}

// The system's calls, but opening `file` fails with `error`.
inline FileSystemCalls openingFails(const std::filesystem::path& file, int error)
{
    FileSystemCalls calls = systemFileSystemCalls();
    calls.open = [file, error, open = calls.open](const char* path, int flags) {
        if (std::filesystem::path(path) == file) {
            errno = error;
            return -1;
        }
        return open(path, flags);
    };
    return calls;
}

// The system's calls, but reading any file fails with `error` once it is open.
inline FileSystemCalls readingFails(int error)
{
    FileSystemCalls calls = systemFileSystemCalls();
    calls.read = failWith(error);
    return calls;
}

// The names in a folder, sorted: shows a temporary file left behind.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace birch::test

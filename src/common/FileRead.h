#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace birch {

inline constexpr std::size_t kMaxParsedFileSize = 16u * 1024u * 1024u;

// The outcome of reading a file for parsing. `missing` means nothing exists at the path (the
// documented "file does not exist" case; a dangling symbolic link is a failure, not missing);
// any other failure carries a reason.
struct FileReadResult {
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Missing;
    std::string bytes;
    std::string reason;

    bool ok() const { return status == Status::Ok; }
    bool missing() const { return status == Status::Missing; }
};

// Reads a regular file whole (not a folder, not a pipe), refusing files above `maxSize`.
FileReadResult readFileForParsing(const std::filesystem::path& file, std::size_t maxSize = kMaxParsedFileSize);

} // namespace birch

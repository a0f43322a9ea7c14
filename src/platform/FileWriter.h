#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace birch {

// Why a write failed: the path and the system's reason.
struct WriteError {
    std::filesystem::path file;
    std::string reason;
};

// Every file the product writes goes through one of these. A write replaces the target whole
// or leaves it untouched.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual std::optional<WriteError> write(const std::filesystem::path& target, std::string_view bytes) = 0;
};

// Writes into a hidden temporary file in the target's folder, syncs it, gives it the replaced
// file's permissions (or 0666 minus umask), renames it over the target and syncs the folder.
class AtomicFileWriter final : public FileWriter {
public:
    std::optional<WriteError> write(const std::filesystem::path& target, std::string_view bytes) override;
};

} // namespace birch

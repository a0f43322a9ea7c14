#include "common/FileRead.h"

#include <fstream>
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
    if (status.type() == std::filesystem::file_type::not_found)
        return {};
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

    std::ifstream in(file, std::ios::binary);
    if (!in)
        return failed("the file cannot be opened for reading");
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.gcount() != static_cast<std::streamsize>(size))
        return failed("the file changed while it was read");
    if (in.peek() != std::char_traits<char>::eof())
        return failed("the file changed while it was read");

    FileReadResult result;
    result.status = FileReadResult::Status::Ok;
    result.bytes = std::move(bytes);
    return result;
}

} // namespace birch

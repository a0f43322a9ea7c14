#include "FuzzInput.h"

#include "platform/FileWriter.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <system_error>

namespace birch::fuzz {

namespace {

std::filesystem::path baseFolder()
{
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec))
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

class Folder {
public:
    Folder()
    {
        std::string pattern = (baseFolder() / "birch-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            fail("no temporary folder for the inputs");
        path = pattern;
    }
    ~Folder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::filesystem::path path;
};

} // namespace

std::filesystem::path inputFile(std::string_view name, const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
    const std::filesystem::path file = folder.path / name;
    AtomicFileWriter writer;
    if (const auto error = writer.write(file, std::string_view(reinterpret_cast<const char*>(data), size)))
        fail("cannot write the input " + error->file.string() + ": " + error->reason);
    return file;
}

void fail(std::string_view what)
{
    std::cerr << "fuzz: " << what << "\n";
    std::abort();
}

} // namespace birch::fuzz

#include "lang/ShippedLanguages.h"

#include "common/FileRead.h"
#include "lang/ExtraTextNumbers.h"

#include <algorithm>
#include <system_error>

namespace birch {

namespace {

// Anything at the name counts as taken, a dangling link included.
bool nameTaken(const std::filesystem::path& file)
{
    std::error_code ec;
    return std::filesystem::symlink_status(file, ec).type() != std::filesystem::file_type::not_found;
}

// The regular files of `folder`, by name so that notices come in a fixed order.
std::vector<std::filesystem::path> shippedFiles(const std::filesystem::path& folder, std::vector<FileNotice>& notices)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return files;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            files.push_back(it->path());
    }
    if (ec)
        notices.push_back(FileNotice{ext::kFileCannotBeRead, folder, ec.message()});
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

std::vector<FileNotice> Copy_Shipped_Languages(const std::filesystem::path& shippedFolder,
                                               const std::filesystem::path& languageDir, FileWriter& writer)
{
    std::vector<FileNotice> notices;
    for (const std::filesystem::path& source : shippedFiles(shippedFolder, notices)) {
        const std::filesystem::path target = languageDir / source.filename();
        if (nameTaken(target))
            continue;
        const FileReadResult read = readFileForParsing(source);
        if (!read.ok()) {
            notices.push_back(FileNotice{ext::kFileCannotBeRead, source, read.missing() ? "missing" : read.reason});
            continue;
        }
        if (const auto error = writer.write(target, read.bytes))
            notices.push_back(FileNotice{ext::kFileCannotBeWritten, error->file, error->reason});
    }
    return notices;
}

} // namespace birch

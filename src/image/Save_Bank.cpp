#include "image/Save_Bank.h"

#include <string_view>
#include <system_error>

namespace birch {

std::optional<WriteError> Save_Bank(const std::filesystem::path& target, const BankBytes& bytes, FileWriter& writer)
{
    const std::filesystem::path folder = target.parent_path();
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec)
            return WriteError{folder, ec.message()};
    }
    return writer.write(target, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace birch

#pragma once

#include "common/TextPosition.h"

#include <filesystem>
#include <string>

namespace birch {

// A problem with a file that the user is told about once: the extra text number, the file and
// the system's or parser's reason.
struct FileNotice {
    int ext = 0;
    std::filesystem::path file;
    std::string reason;
    // The damaged file is kept as a backup before the next save replaces it.
    bool keptAsBackup = false;
    // Where the parser stopped in a damaged file.
    TextPosition at = {};
};

} // namespace birch

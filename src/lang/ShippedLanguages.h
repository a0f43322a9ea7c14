#pragma once

#include "common/FileNotice.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <vector>

namespace birch {

// Copies into `languageDir` every file of `shippedFolder` (the installed language files and flag
// pictures) that `languageDir` lacks. A name already taken there is never replaced, so edits and
// the user's own files stay. A missing shipped folder (a build tree) copies nothing. Returns what
// could not be read or written; the other files are copied all the same.
std::vector<FileNotice> Copy_Shipped_Languages(const std::filesystem::path& shippedFolder,
                                               const std::filesystem::path& languageDir, FileWriter& writer);

} // namespace birch

#include "lang/FileNoticeText.h"

#include "lang/ExtraTextNumbers.h"

namespace birch {

std::string describe(const ExtraTexts& extra, const FileNotice& notice)
{
    std::string message = extra[notice.ext] + notice.file.string();
    if (notice.at.known())
        message += "\n" + extra[ext::kAtLine] + std::to_string(notice.at.line) + extra[ext::kAtColumn] +
                   std::to_string(notice.at.column) + ": " + notice.reason;
    else if (!notice.reason.empty())
        message += "\n" + notice.reason;
    if (notice.keptAsBackup)
        message += "\n" + extra[ext::kFileKeptAsBackup] + notice.file.string();
    return message;
}

std::string describe(const AppState& state, const FileNotice& notice)
{
    return describe(state.Extra, notice);
}

} // namespace birch

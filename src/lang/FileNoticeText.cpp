#include "lang/FileNoticeText.h"

#include "lang/ExtraTextNumbers.h"

namespace birch {

std::string describe(const AppState& state, const FileNotice& notice)
{
    std::string message = state.Extra[notice.ext] + notice.file.string();
    if (!notice.reason.empty())
        message += "\n" + notice.reason;
    if (notice.keptAsBackup)
        message += "\n" + state.Extra[ext::kFileKeptAsBackup] + notice.file.string();
    return message;
}

} // namespace birch

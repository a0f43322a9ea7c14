#include "cli/ParGenCheck.h"

#include "core/ProjectFiles.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "params/Controllo_Dati.h"
#include "params/ParGenFile.h"

namespace birch::cli {

CheckResult checkParGen(const std::filesystem::path& projectDir, const CliTexts& texts)
{
    const std::filesystem::path file = projectDir / kParGenFileName;
    const ParGenLoad loaded = LoadParGen(file);
    if (loaded.damaged()) {
        const int text =
            loaded.status == ParGenLoad::Status::Unreadable ? ext::kFileCannotBeRead : ext::kFileCannotBeParsed;
        // A check replaces nothing, so no backup is spoken of.
        return {CheckResult::Status::FileError,
                describe(texts.extra, FileNotice{text, file, loaded.reason, false, loaded.at})};
    }
    if (const auto failure = Controllo_Dati(loaded.record))
        return {CheckResult::Status::Invalid, texts.table[failure->message]};
    return {};
}

} // namespace birch::cli

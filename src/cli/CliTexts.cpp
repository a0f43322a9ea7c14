#include "cli/CliTexts.h"

#include "cli/ExitCodes.h"
#include "lang/Language.h"

#include <iostream>

namespace birch::cli {

std::optional<int> loadCliTexts(const std::optional<std::filesystem::path>& languageFile, CliTexts& texts)
{
    Load_Default_Texts(texts.table);
    texts.extra.reset();
    if (!languageFile)
        return std::nullopt;
    const LanguageFileResult result = Load_Language_File(texts.table, texts.extra, *languageFile);
    if (result.status == LanguageFileResult::Status::Loaded)
        return std::nullopt;
    const std::string reason = result.status == LanguageFileResult::Status::Missing ? "no such file" : result.reason;
    std::cerr << "birchcfg-cli: cannot read language file " << languageFile->string() << ": " << reason << "\n";
    return kFileError;
}

} // namespace birch::cli

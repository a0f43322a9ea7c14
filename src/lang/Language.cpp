#include "lang/Language.h"

#include "common/FileRead.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/LanguageFile.h"

#include <system_error>

namespace birch {

namespace {
constexpr const char* kEnglish = "English";

// A folder that carries a language file's name is no language file.
bool fileExists(const std::filesystem::path& file)
{
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}
} // namespace

LanguageFileResult Load_Language_File(TextList& table, ExtraTexts& extra, const std::filesystem::path& file)
{
    LanguageFileResult result;
    const FileReadResult read = readFileForParsing(file);
    if (read.missing())
        return result;
    if (!read.ok()) {
        result.status = LanguageFileResult::Status::Unreadable;
        result.reason = read.reason;
        return result;
    }
    overlayLanguageText(decodeLanguageBytes(read.bytes), table, extra);
    result.status = LanguageFileResult::Status::Loaded;
    return result;
}

std::filesystem::path languageFile(const AppState& state, const std::string& name)
{
    return state.LanguageDir / (name + ".lng");
}

std::optional<FileNotice> Load_Language(AppState& state)
{
    Load_Default_Texts(state.TextTable);
    state.Extra.reset();
    std::filesystem::path file = languageFile(state, state.LanguageName);
    if (!fileExists(file)) {
        state.LanguageName = kEnglish;
        file = languageFile(state, state.LanguageName);
    }
    state.TextsLanguage = state.LanguageName;
    // No English file is no error: the built-in texts are English.
    if (!fileExists(file))
        return std::nullopt;
    const LanguageFileResult result = Load_Language_File(state.TextTable, state.Extra, file);
    if (result.status != LanguageFileResult::Status::Unreadable)
        return std::nullopt;
    return FileNotice{ext::kFileCannotBeRead, file, result.reason};
}

std::optional<FileNotice> Switch_Language(AppState& state, const std::string& chosen)
{
    const std::string remembered = state.LanguageName;
    state.LanguageName = chosen;
    auto notice = Load_Language(state);
    state.LanguageName = remembered;
    return notice;
}

} // namespace birch

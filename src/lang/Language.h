#pragma once

#include "common/FileNotice.h"
#include "core/AppState.h"
#include "lang/ExtraTexts.h"
#include "lang/TextList.h"

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// How one language file was applied. On `Unreadable` the tables were left as they were.
struct LanguageFileResult {
    enum class Status { Loaded, Missing, Unreadable };
    Status status = Status::Missing;
    std::string reason;
};

// Overlays both tables with the entries of one language file; entries it does not name keep
// their current text. The file is read whole before anything changes.
LanguageFileResult Load_Language_File(TextList& table, ExtraTexts& extra, const std::filesystem::path& file);

// `LanguageDir` + "/" + name + ".lng".
std::filesystem::path languageFile(const AppState& state, const std::string& name);

// Rebuilds both tables for `LanguageName`: the English defaults, then its file, or else
// English.lng with `LanguageName` set to "English"; `TextsLanguage` names the outcome. A file
// that exists but cannot be read leaves the complete defaults and is reported.
std::optional<FileNotice> Load_Language(AppState& state);

// The core half of switching language at run time: loads `chosen` and keeps `LanguageName`,
// which changes only when the options dialog is confirmed. The caller then re-applies the
// windows' texts.
std::optional<FileNotice> Switch_Language(AppState& state, const std::string& chosen);

} // namespace birch

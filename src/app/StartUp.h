#pragma once

#include "common/FileNotice.h"
#include "core/AppState.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace birch {

// The folders a run starts with, as `main` chose them.
struct StartFolders {
    std::filesystem::path workspace; // becomes AppDir
    // The installed language files and flags, copied into LANGUAGE when missing there; empty
    // when the run has none.
    std::filesystem::path shippedLanguages;
};

// The start-up work that needs no window, in order: AppDir and the workspace folders, the
// shipped language files, the settings, the language, the remembered project, `Set_Files`, the
// copy buffer. Returns what the user must be told (a damaged settings file, an unreadable
// language file, a shipped file that could not be copied).
std::vector<FileNotice> Start_Up(AppState& state, const StartFolders& folders, FileWriter& writer);

// Sets the four project file paths from `ProjectDir`.
void Set_Files(AppState& state);

// Writes Mosaic.xml from the current state (a damaged file found at start is kept as a backup
// first). Returns the problem to tell the user, if any.
std::optional<FileNotice> Save_Setting(AppState& state, FileWriter& writer);

} // namespace birch

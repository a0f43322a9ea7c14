#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// The folders inside a workspace.
inline constexpr const char* kMasterFolderName = "MASTER";
inline constexpr const char* kProjectsFolderName = "PROJECTS";
inline constexpr const char* kLanguageFolderName = "LANGUAGE";

// What the workspace is chosen from; `main` and the command line gather it.
struct WorkspaceInputs {
    std::optional<std::filesystem::path> explicitFolder; // --workspace DIR
    std::filesystem::path executableFolder;
    bool executableFolderWritable = false;
    std::optional<std::string> xdgDataHome; // $XDG_DATA_HOME, when set
    std::optional<std::string> home;        // $HOME, when set
};

struct WorkspaceChoice {
    std::filesystem::path folder; // absolute; empty when `error` says why none could be chosen
    std::string error;
};

// The folder that holds MASTER, PROJECTS, LANGUAGE and Mosaic.xml: the one named explicitly;
// else the executable's own folder when it can be written (a build tree, an unpacked folder);
// else "birchcfg" in the user's data folder ($XDG_DATA_HOME, or ~/.local/share when that is unset,
// empty or relative, as the XDG base directory rules say).
WorkspaceChoice chooseWorkspace(const WorkspaceInputs& inputs);

// Where the installed language files and flags lie, seen from the installed executable's folder.
std::filesystem::path shippedLanguageFolder(const std::filesystem::path& executableFolder);

} // namespace birch

#pragma once

#include "core/AppState.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// What happened to a new project name; each refusal has its own message (texts 107, 106, 105).
enum class NewProjectResult {
    Created,
    EmptyName,     // text 107
    AlreadyExists, // text 106
    NotValid,      // text 105
};

// The text number that tells the user about a refused name; 0 for `Created`.
int newProjectMessage(NewProjectResult result);

// Creates the project folder `name` inside `ProjectsDir` with its bin/ sub-folder and makes it
// the active project (`ProjectName`, `ProjectDir`, `Set_Files`). The name is taken exactly as
// typed. Checked in order: empty, a folder of that name exists, then a name that would leave
// `ProjectsDir` (a path separator) or be hidden from the project list (a leading "."), then the
// creation itself. A refused name leaves the state and the disk as they were.
NewProjectResult Create_Project(AppState& state, const std::string& name);

// The project folder names in `projectsDir`: directories that are not hidden (no leading "."),
// sorted ignoring ASCII letter case so that the list is the same on every file system. A folder
// that cannot be listed yields an empty list.
std::vector<std::string> Load_Existing_Configuration(const std::filesystem::path& projectsDir);

// Position of the first entry equal to `name` ignoring ASCII letter case, or -1.
int Search_Open_Conf(const std::vector<std::string>& SL, std::string_view name);

// The active project's name as the part of `ProjectDir` after `ProjectsDir` and the separator;
// empty when no project is active.
std::string activeProjectName(const AppState& state);

// Makes the project chosen in the open dialog active; an empty name leaves no project active.
// `Set_Files` follows in both cases.
void Open_Chosen_Project(AppState& state, const std::string& name);

} // namespace birch

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
    NotValid,      // text 105, followed by the reason
};

// Why a name was `NotValid`.
enum class NameProblem {
    None,
    Separator,  // a "/" would name a folder inside another one, or outside PROJECTS
    Nul,        // no file system takes a NUL byte
    LeadingDot, // the folder would be hidden from the project list
    TooLong,    // more bytes than the file system takes in one name
    NotCreated, // the system refused to create the folder
};

struct NewProject {
    NewProjectResult result = NewProjectResult::Created;
    NameProblem problem = NameProblem::None;
    std::size_t nameBytes = 0; // TooLong: the name's bytes
    std::size_t maxBytes = 0;  // TooLong: what the file system takes
    std::string systemReason;  // NotCreated

    bool created() const { return result == NewProjectResult::Created; }
};

// The text number that tells the user about a refused name; 0 for `Created`.
int newProjectMessage(NewProjectResult result);

// What the user is told about a refused name: its text and, for `NotValid`, the reason on a line
// of its own.
std::string newProjectMessage(const TextList& texts, const ExtraTexts& extra, const NewProject& outcome);

// Creates the project folder `name` inside `ProjectsDir` with its bin/ sub-folder and makes it
// the active project (`ProjectName`, `ProjectDir`, `Set_Files`). The name is taken exactly as
// typed. Checked in order: empty, a folder of that name exists, then the name problems in the
// order of `NameProblem`, the length against what the file system of `ProjectsDir` takes, then
// the creation itself. A refused name leaves the state and the disk as they were.
NewProject Create_Project(AppState& state, const std::string& name);

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

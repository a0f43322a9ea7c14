#include "app/Projects.h"

#include "app/StartUp.h"
#include "common/TextUtil.h"

#include <algorithm>
#include <system_error>

namespace birch {

namespace {

// Names the file system would take as a path rather than one folder, or that would hide the
// project from the list.
bool leavesProjectsDirOrHidden(const std::string& name)
{
    return name.front() == '.' || name.find('/') != std::string::npos || name.find('\0') != std::string::npos;
}

} // namespace

int newProjectMessage(NewProjectResult result)
{
    switch (result) {
    case NewProjectResult::Created:
        return 0;
    case NewProjectResult::EmptyName:
        return 107;
    case NewProjectResult::AlreadyExists:
        return 106;
    case NewProjectResult::NotValid:
        return 105;
    }
    return 105;
}

NewProjectResult Create_Project(AppState& state, const std::string& name)
{
    if (name.empty())
        return NewProjectResult::EmptyName;
    const std::filesystem::path folder = state.ProjectsDir / name;
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return NewProjectResult::AlreadyExists;
    if (leavesProjectsDirOrHidden(name))
        return NewProjectResult::NotValid;
    if (!std::filesystem::create_directory(folder, ec) || ec)
        return NewProjectResult::NotValid;
    std::filesystem::create_directories(folder / "bin", ec);
    if (ec) {
        // Nothing is left half made: the next attempt with the same name must not meet text 106.
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        return NewProjectResult::NotValid;
    }
    state.ProjectName = name;
    state.ProjectDir = folder;
    Set_Files(state);
    return NewProjectResult::Created;
}

std::vector<std::string> Load_Existing_Configuration(const std::filesystem::path& projectsDir)
{
    std::vector<std::string> SL;
    std::error_code ec;
    std::filesystem::directory_iterator it(projectsDir, ec);
    if (ec)
        return SL;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec)
            return {};
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.empty() || name.front() == '.' || !it->is_directory(typeError))
            continue;
        SL.push_back(name);
    }
    // Names equal but for letter case keep a fixed order too.
    std::sort(SL.begin(), SL.end(), [](const std::string& a, const std::string& b) {
        if (lessIgnoringAsciiCase(a, b))
            return true;
        if (lessIgnoringAsciiCase(b, a))
            return false;
        return a < b;
    });
    return SL;
}

int Search_Open_Conf(const std::vector<std::string>& SL, std::string_view name)
{
    for (std::size_t i = 0; i < SL.size(); ++i)
        if (equalsIgnoringAsciiCase(SL[i], name))
            return static_cast<int>(i);
    return -1;
}

std::string activeProjectName(const AppState& state)
{
    if (state.ProjectDir.empty())
        return {};
    const std::string dir = state.ProjectDir.string();
    const std::string prefix = (state.ProjectsDir / "").string();
    if (dir.size() <= prefix.size() || dir.compare(0, prefix.size(), prefix) != 0)
        return {};
    return dir.substr(prefix.size());
}

void Open_Chosen_Project(AppState& state, const std::string& name)
{
    state.ProjectName = name;
    if (name.empty())
        state.ProjectDir.clear();
    else
        state.ProjectDir = state.ProjectsDir / name;
    Set_Files(state);
}

} // namespace birch

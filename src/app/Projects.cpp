#include "app/Projects.h"

#include "app/StartUp.h"
#include "common/TextUtil.h"
#include "lang/ExtraTextNumbers.h"
#include "platform/FileNameLimit.h"

#include <algorithm>
#include <system_error>

namespace birch {

namespace {

NewProject refused(NewProjectResult result)
{
    NewProject outcome;
    outcome.result = result;
    return outcome;
}

NewProject notValid(NameProblem problem)
{
    NewProject outcome = refused(NewProjectResult::NotValid);
    outcome.problem = problem;
    return outcome;
}

NewProject notCreated(const std::error_code& error)
{
    NewProject outcome = notValid(NameProblem::NotCreated);
    outcome.systemReason = error.message();
    return outcome;
}

// What in the name itself keeps it from being one visible folder of PROJECTS.
NameProblem nameProblem(const std::string& name, std::size_t maxBytes)
{
    if (name.find('/') != std::string::npos)
        return NameProblem::Separator;
    if (name.find('\0') != std::string::npos)
        return NameProblem::Nul;
    if (name.front() == '.')
        return NameProblem::LeadingDot;
    if (name.size() > maxBytes)
        return NameProblem::TooLong;
    return NameProblem::None;
}

std::string reasonText(const ExtraTexts& extra, const NewProject& outcome)
{
    switch (outcome.problem) {
    case NameProblem::Separator:
        return extra[ext::kNameHasSeparator];
    case NameProblem::Nul:
        return extra[ext::kNameHasNul];
    case NameProblem::LeadingDot:
        return extra[ext::kNameStartsWithDot];
    case NameProblem::TooLong:
        return extra[ext::kNameTooLong] + std::to_string(outcome.nameBytes) + extra[ext::kNameTooLongLimit] +
               std::to_string(outcome.maxBytes);
    case NameProblem::NotCreated:
        return extra[ext::kFolderNotCreated] + outcome.systemReason;
    case NameProblem::None:
        break;
    }
    return {};
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

std::string newProjectMessage(const TextList& texts, const ExtraTexts& extra, const NewProject& outcome)
{
    std::string message = texts[newProjectMessage(outcome.result)];
    if (outcome.result == NewProjectResult::NotValid)
        message += "\n" + reasonText(extra, outcome);
    return message;
}

NewProject Create_Project(AppState& state, const std::string& name)
{
    if (name.empty())
        return refused(NewProjectResult::EmptyName);
    const std::filesystem::path folder = state.ProjectsDir / name;
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return refused(NewProjectResult::AlreadyExists);
    const std::size_t maxBytes = maxFileNameBytes(state.ProjectsDir);
    if (const NameProblem problem = nameProblem(name, maxBytes); problem != NameProblem::None) {
        NewProject outcome = notValid(problem);
        outcome.nameBytes = name.size();
        outcome.maxBytes = maxBytes;
        return outcome;
    }
    if (!std::filesystem::create_directory(folder, ec)) {
        // Something that is no folder has the name already.
        return notCreated(ec ? ec : std::make_error_code(std::errc::file_exists));
    }
    std::filesystem::create_directories(folder / "bin", ec);
    if (ec) {
        // Nothing is left half made: the next attempt with the same name must not meet text 106.
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        return notCreated(ec);
    }
    state.ProjectName = name;
    state.ProjectDir = folder;
    Set_Files(state);
    return {};
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

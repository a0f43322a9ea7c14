#include "app/ProgramArguments.h"

#include <string_view>

namespace birch {

namespace {

constexpr std::string_view kProfileOption = "--profile";
constexpr std::string_view kWorkspaceOption = "--workspace";

// The value of `--option=VALUE`, or nothing when `argument` is not that form of `option`.
std::optional<std::string_view> attachedValue(std::string_view argument, std::string_view option)
{
    if (argument.size() <= option.size() || !argument.starts_with(option) || argument[option.size()] != '=')
        return std::nullopt;
    return argument.substr(option.size() + 1);
}

void takeWorkspace(ProgramArguments& result, std::string_view folder)
{
    if (folder.empty())
        result.error = "--workspace needs a folder";
    else
        result.workspace = std::filesystem::path(folder);
}

void chooseProfile(ProgramArguments& result, std::string_view name)
{
    if (const auto profile = parseProfile(name))
        result.profile = *profile;
    else
        result.error = "unknown profile \"" + std::string(name) + "\"; choose one of: " + profileNameList();
}

} // namespace

ProgramArguments parseProgramArguments(const std::vector<std::string>& arguments)
{
    ProgramArguments result;
    for (std::size_t i = 0; i < arguments.size() && result.error.empty(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            result.help = true;
        } else if (argument == kProfileOption) {
            if (i + 1 == arguments.size())
                result.error = "--profile needs a profile name: " + profileNameList();
            else
                chooseProfile(result, arguments[++i]);
        } else if (const auto profile = attachedValue(argument, kProfileOption)) {
            chooseProfile(result, *profile);
        } else if (argument == kWorkspaceOption) {
            if (i + 1 == arguments.size())
                result.error = "--workspace needs a folder";
            else
                takeWorkspace(result, arguments[++i]);
        } else if (const auto folder = attachedValue(argument, kWorkspaceOption)) {
            takeWorkspace(result, *folder);
        }
    }
    return result;
}

std::string programUsage()
{
    return "Usage: birchcfg [--profile NAME] [--workspace DIR]\n"
           "  --profile NAME   the device profile of this run: " +
           profileNameList() + " (default " + std::string(profileName(kDefaultProfile)) +
           ")\n"
           "  --workspace DIR  the folder of MASTER, PROJECTS, LANGUAGE and Mosaic.xml (default: the\n"
           "                   program's folder when it can be written, else $XDG_DATA_HOME/birchcfg)\n"
           "  -h, --help       show this text and the workspace of this run\n";
}

} // namespace birch

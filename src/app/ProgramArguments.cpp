#include "app/ProgramArguments.h"

#include <string_view>

namespace birch {

namespace {

constexpr std::string_view kProfileOption = "--profile";

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
        } else if (argument.starts_with(kProfileOption) && argument[kProfileOption.size()] == '=') {
            chooseProfile(result, argument.substr(kProfileOption.size() + 1));
        }
    }
    return result;
}

std::string programUsage()
{
    return "Usage: birchcfg [--profile NAME]\n"
           "  --profile NAME  the device profile of this run: " +
           profileNameList() + " (default " + std::string(profileName(kDefaultProfile)) +
           ")\n"
           "  -h, --help      show this text\n";
}

} // namespace birch

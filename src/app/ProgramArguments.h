#pragma once

#include "core/DeviceProfile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace birch {

// What the configurator's own command-line options ask for. Other arguments belong to the
// windowing toolkit (-platform, -style, ...) and are left to it.
struct ProgramArguments {
    DeviceProfile profile = kDefaultProfile;
    std::optional<std::filesystem::path> workspace;
    bool help = false;
    std::string error; // a usage error, told on stderr with exit code 2
};

// `arguments` without the program name. `--profile NAME` and `--profile=NAME` choose the profile,
// ignoring letter case; `--workspace DIR` and `--workspace=DIR` choose the workspace folder; `-h`
// and `--help` ask for the usage text.
ProgramArguments parseProgramArguments(const std::vector<std::string>& arguments);

std::string programUsage();

} // namespace birch

#pragma once

#include "cli/CliTexts.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace birch::cli {

// What one check of a project found.
struct CheckResult {
    enum class Status { Valid, Invalid, FileError };
    Status status = Status::Valid;
    std::string message; // the first failure, or why the file could not be used
};

// One file of a project checked by the rules its window applies, worded in `texts`.
struct ProjectCheck {
    std::string_view file;
    std::function<CheckResult(const std::filesystem::path& projectDir, const CliTexts& texts)> run;
};

} // namespace birch::cli

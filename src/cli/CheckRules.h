#pragma once

#include <filesystem>
#include <string>

namespace birch::cli {

// The rule-file part of `check PROJECT_DIR`: exit code (kSuccess, kInvalidContent for a rule
// that OK in the editor would refuse, kFileError for a file that cannot be read or parsed) and
// the message to print (empty on success).
struct RuleCheck {
    int exitCode;
    std::string message;
};

RuleCheck checkRules(const std::filesystem::path& projectDir);

} // namespace birch::cli

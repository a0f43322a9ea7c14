#include "cli/CheckCommand.h"

#include "cli/CheckMqttTopics.h"
#include "cli/CheckRules.h"
#include "cli/ExitCodes.h"
#include "cli/ParGenCheck.h"
#include "core/ProjectFiles.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace birch::cli {

namespace {

// The project's files, each checked as its window checks it before saving.
const std::array<ProjectCheck, 3> kProjectChecks = {
    ProjectCheck{kParGenFileName, checkParGen},
    ProjectCheck{kRuleFileName, checkRules},
    ProjectCheck{kMqttTopicFileName, checkMqttTopics},
};

int exitCodeOf(CheckResult::Status status)
{
    switch (status) {
    case CheckResult::Status::Valid:
        return kSuccess;
    case CheckResult::Status::Invalid:
        return kInvalidContent;
    case CheckResult::Status::FileError:
        return kFileError;
    }
    return kFileError;
}

struct CheckOptions {
    std::string projectDir;
    std::optional<std::filesystem::path> languageFile;
};

int runChecks(const CheckOptions& options)
{
    CliTexts texts;
    if (const auto failed = loadCliTexts(options.languageFile, texts))
        return *failed;
    const std::filesystem::path projectDir = options.projectDir;
    int exitCode = kSuccess;
    for (const ProjectCheck& check : kProjectChecks) {
        const CheckResult result = check.run(projectDir, texts);
        if (result.status == CheckResult::Status::Invalid)
            std::cout << (projectDir / check.file).string() << ": " << result.message << '\n';
        else if (result.status == CheckResult::Status::FileError)
            std::cerr << result.message << '\n';
        // A file that cannot be used outranks invalid content, which outranks success.
        exitCode = std::max(exitCode, exitCodeOf(result.status));
    }
    return exitCode;
}

} // namespace

Command addCheckCommand(CLI::App& app)
{
    auto options = std::make_shared<CheckOptions>();
    CLI::App* sub = app.add_subcommand("check", "Validate a project's files as the configurator does before saving");
    sub->add_option("PROJECT_DIR", options->projectDir, "The project folder")
        ->required()
        ->check(CLI::ExistingDirectory);
    sub->add_option("--language-file", options->languageFile,
                    "Print the messages in this language file's texts (.lng), as the configurator would");
    return {sub, [options] { return runChecks(*options); }};
}

} // namespace birch::cli

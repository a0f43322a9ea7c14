#include "cli/CompileCommand.h"

#include "cli/ExitCodes.h"
#include "core/ProjectFiles.h"
#include "image/BankStep.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "lang/FileNoticeText.h"
#include "nmea/Catalog.h"
#include "platform/FileWriter.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace birch::cli {

namespace {

struct CompileOptions {
    std::string projectDir;
    std::string output;
};

int runCompile(const CompileOptions& options)
{
    const std::filesystem::path project = options.projectDir;
    const std::filesystem::path target =
        options.output.empty() ? bankFile(project) : std::filesystem::path(options.output);
    AtomicFileWriter writer;
    const BankStepOutcome outcome = compileAndSaveBank(project / kParGenFileName, project / kRuleFileName, target,
                                                       Catalog::Init_NMEA0183_Map(), writer);
    const ExtraTexts texts;
    const auto fileError = [&](int text) {
        std::cerr << describe(texts, FileNotice{text, outcome.file, outcome.reason, false, outcome.at}) << "\n";
        return kFileError;
    };
    switch (outcome.status) {
    case BankStepOutcome::Status::Ok:
        break;
    case BankStepOutcome::Status::Unreadable:
        return fileError(ext::kImageSourceUnreadable);
    case BankStepOutcome::Status::Malformed:
        return fileError(ext::kImageSourceMalformed);
    case BankStepOutcome::Status::WriteFailed:
        return fileError(ext::kFileCannotBeWritten);
    }
    if (outcome.leftOut > 0)
        std::cerr << "warning: " << texts[ext::kImageRulesLeftOut] << outcome.leftOut << "\n";
    std::cout << outcome.file.string() << ": " << outcome.accepted << " rules\n";
    return kSuccess;
}

} // namespace

Command addCompileCommand(CLI::App& parent)
{
    auto options = std::make_shared<CompileOptions>();
    CLI::App* app = parent.add_subcommand("compile", "Compile a project into the device image bank.bin");
    app->add_option("PROJECT_DIR", options->projectDir, "Project folder (holding ParGen.xml and the rule file)")
        ->required()
        ->check(CLI::ExistingDirectory);
    app->add_option("-o,--output", options->output, "Image file to write (default PROJECT_DIR/bin/bank.bin)");
    return Command{app, [options] { return runCompile(*options); }};
}

} // namespace birch::cli

#include "cli/EsiCommand.h"

#include "cli/ExitCodes.h"
#include "core/ProjectFiles.h"
#include "lang/ExtraTexts.h"
#include "platform/FileWriter.h"
#include "profiles/EsiFile.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>

namespace birch::cli {

namespace {

struct EsiOptions {
    std::string projectDir;
    std::string output;
};

int runEsi(const EsiOptions& options)
{
    const std::filesystem::path project = options.projectDir;
    AtomicFileWriter writer;
    const EsiOutcome outcome =
        Save_Esi(project / kParGenFileName, project / kEtherCatSlaveFileName, options.output, writer);
    if (!outcome.ok()) {
        std::cerr << Esi_Failure_Message(ExtraTexts(), outcome) << "\n";
        return kFileError;
    }
    std::cout << outcome.file.string() << ": " << outcome.inputs << " input and " << outcome.outputs
              << " output entries\n";
    return kSuccess;
}

} // namespace

Command addEsiCommand(CLI::App& parent)
{
    auto options = std::make_shared<EsiOptions>();
    CLI::App* app =
        parent.add_subcommand("esi", "Write the EtherCAT ESI device description of a project (profile Elm)");
    app->add_option("PROJECT_DIR", options->projectDir, "Project folder (holding ParGen.xml and EtherCAT_Slave.xml)")
        ->required()
        ->check(CLI::ExistingDirectory);
    app->add_option("-o,--output", options->output, "ESI file to write, replaced when it exists")->required();
    return Command{app, [options] { return runEsi(*options); }};
}

} // namespace birch::cli

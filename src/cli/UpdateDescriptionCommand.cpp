#include "cli/UpdateDescriptionCommand.h"

#include "app/Workspace.h"
#include "cli/ExitCodes.h"
#include "core/DeviceProfile.h"
#include "image/UpdateDescription.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "platform/FileWriter.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>

namespace birch::cli {

namespace {

struct DescriptionOptions {
    std::string projectDir;
    std::string workspace;
    std::string masterDir;
    std::string address;
    int option = kUpdateFirmwareAndConfiguration;
    bool noReadBack = false;
    std::string output;
    std::string profile{profileName(kDefaultProfile)};
};

int runDescription(const DescriptionOptions& options)
{
    if (options.workspace.empty() && (options.masterDir.empty() || options.output.empty())) {
        std::cerr << "update-description: name the workspace (--workspace DIR), or the MASTER folder "
                     "(--master-dir DIR) and the file to write (-o FILE)\n";
        return kUsageError;
    }
    const std::filesystem::path workspace = options.workspace;
    UpdateRequest request;
    request.address = options.address;
    request.option = options.option;
    request.readBack = !options.noReadBack;
    request.masterDir =
        options.masterDir.empty() ? workspace / kMasterFolderName : std::filesystem::path(options.masterDir);
    request.projectDir = options.projectDir;
    const std::filesystem::path output =
        options.output.empty() ? updateDescriptionFile(workspace) : std::filesystem::path(options.output);
    AtomicFileWriter writer;
    if (const auto error = saveUpdateDescription(output, parseProfile(options.profile).value(), request, writer)) {
        std::cerr << ExtraTexts()[ext::kFileCannotBeWritten] << error->file.string() << ": " << error->reason << "\n";
        return kFileError;
    }
    return kSuccess;
}

} // namespace

Command addUpdateDescriptionCommand(CLI::App& parent)
{
    auto options = std::make_shared<DescriptionOptions>();
    CLI::App* app = parent.add_subcommand("update-description", "Write the update description file for the updater");
    app->add_option("--project-dir", options->projectDir, "Project folder (its bin/bank.bin is named)")->required();
    app->add_option("--workspace", options->workspace,
                    "Workspace: its MASTER folder is named and the file is written where the updater in it "
                    "reads it (Ethernet_Update.xml), unless --master-dir or -o say otherwise");
    app->add_option("--master-dir", options->masterDir, "MASTER folder (its firmware image is named)");
    app->add_option("--ip", options->address, "Device address, as it is to be written")->required();
    app->add_option("--option", options->option, "0 firmware + configuration, 1 firmware, 2 configuration")
        ->required()
        ->check(CLI::Range(0, 2));
    app->add_flag("--no-read-back", options->noReadBack, "Do not read the written memory back");
    app->add_option("-o,--output", options->output, "Description file to write");
    // The MQTT variant's updater reads its own form of the description.
    app->add_option("--profile", options->profile, "Device profile: " + profileNameList())
        ->check([](const std::string& name) {
            return parseProfile(name) ? std::string() : "unknown profile; choose one of: " + profileNameList();
        });
    return Command{app, [options] { return runDescription(*options); }};
}

} // namespace birch::cli

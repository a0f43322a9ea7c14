#include "cli/CaptureCheckCommand.h"
#include "cli/CatalogCommand.h"
#include "cli/CheckCommand.h"
#include "cli/Command.h"
#include "cli/CompileCommand.h"
#include "cli/EsiCommand.h"
#include "cli/ExitCodes.h"
#include "cli/LangCheckCommand.h"
#include "cli/ObjectsMapCommand.h"
#include "cli/RegisterMapCommand.h"
#include "cli/TextsCommand.h"
#include "cli/UpdateDescriptionCommand.h"
#include "core/BuildConstants.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <vector>

int main(int argc, char** argv)
{
    CLI::App app{std::string(birch::SoftwareCode) + " - " + std::string(birch::SoftwareDescription) +
                 " configurator, command line"};
    app.set_version_flag("--version", std::string(birch::SoftwareCode) + " " + std::string(birch::SoftwareVersion));
    app.require_subcommand(0, 1);

    // One line per subcommand; each lives in its own file.
    std::vector<birch::cli::Command> commands;
    commands.push_back(birch::cli::addTextsCommand(app));
    commands.push_back(birch::cli::addLangCheckCommand(app));
    commands.push_back(birch::cli::addCheckCommand(app));
    commands.push_back(birch::cli::addCatalogCommand(app));
    commands.push_back(birch::cli::addCompileCommand(app));
    commands.push_back(birch::cli::addUpdateDescriptionCommand(app));
    commands.push_back(birch::cli::addObjectsMapCommand(app));
    commands.push_back(birch::cli::addEsiCommand(app));
    commands.push_back(birch::cli::addRegisterMapCommand(app));
    commands.push_back(birch::cli::addCaptureCheckCommand(app));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? birch::cli::kSuccess : birch::cli::kUsageError;
    }
    for (const auto& command : commands)
        if (command.app->parsed())
            return command.run();
    std::cout << app.help();
    return birch::cli::kSuccess;
}

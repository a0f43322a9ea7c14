#include "app/BuildConstants.h"
#include "cli/ExitCodes.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv)
{
    CLI::App app{std::string(birch::SoftwareCode) + " - " + std::string(birch::SoftwareDescription) +
                 " configurator, command line"};
    app.set_version_flag("--version", std::string(birch::SoftwareCode) + " " + std::string(birch::SoftwareVersion));
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? birch::cli::kSuccess : birch::cli::kUsageError;
    }
    return birch::cli::kSuccess;
}

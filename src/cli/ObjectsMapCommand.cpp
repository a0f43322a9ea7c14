#include "cli/ObjectsMapCommand.h"

#include "cli/ExitCodes.h"
#include "core/ProjectFiles.h"
#include "lang/ExtraTexts.h"
#include "nmea/Catalog.h"
#include "nmea/ObjectsMapMessages.h"
#include "nmea/Save_Objects_Map.h"
#include "platform/FileWriter.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace birch::cli {

namespace {

struct ObjectsMapOptions {
    std::string projectDir;
    std::string output;
};

int exitCodeOf(ObjectsMapSave::Status status)
{
    switch (status) {
    case ObjectsMapSave::Status::Written:
        return kSuccess;
    case ObjectsMapSave::Status::Unencodable:
        return kInvalidContent;
    case ObjectsMapSave::Status::Unreadable:
    case ObjectsMapSave::Status::Malformed:
    case ObjectsMapSave::Status::WriteFailed:
        break;
    }
    return kFileError;
}

int runObjectsMap(const ObjectsMapOptions& options)
{
    AtomicFileWriter writer;
    const ObjectsMapSave save = Save_Objects_Map(std::filesystem::path(options.projectDir) / kRuleFileName,
                                                 options.output, Catalog::Init_NMEA0183_Map(), writer);
    if (const auto message = objectsMapMessage(ExtraTexts(), save))
        std::cerr << *message << "\n";
    return exitCodeOf(save.status);
}

} // namespace

Command addObjectsMapCommand(CLI::App& parent)
{
    auto options = std::make_shared<ObjectsMapOptions>();
    CLI::App* app = parent.add_subcommand("objects-map", "Write the objects map (CSV) of a project's sentence rules");
    app->add_option("PROJECT_DIR", options->projectDir, "Project folder (holding NMEA_0183_Set_Access.xml)")
        ->required()
        ->check(CLI::ExistingDirectory);
    app->add_option("-o,--output", options->output, "Map file to write, exactly as named")
        ->required()
        ->check([](const std::string& file) { return file.empty() ? std::string("FILE is empty") : std::string(); });
    return Command{app, [options] { return runObjectsMap(*options); }};
}

} // namespace birch::cli

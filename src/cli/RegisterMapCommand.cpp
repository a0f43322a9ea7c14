#include "cli/RegisterMapCommand.h"

#include "cli/ExitCodes.h"
#include "core/ProjectFiles.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "nmea/Catalog.h"
#include "nmea/ProjectRules.h"
#include "nmea/RegisterReportFormat.h"
#include "nmea/ReportSourceMessages.h"
#include "platform/FileWriter.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>

namespace birch::cli {

namespace {

struct RegisterMapOptions {
    std::string projectDir;
    std::string format = "csv";
    std::string output;
};

int runRegisterMap(const RegisterMapOptions& options)
{
    const std::filesystem::path project = options.projectDir;
    const auto ruleFile = project / kRuleFileName;
    const auto parGenFile = project / kParGenFileName;
    const ExtraTexts extra;
    const Catalog catalog = Catalog::Init_NMEA0183_Map();

    const ProjectRulesLoad rules = loadProjectRules(ruleFile, catalog);
    if (const auto failure = ruleSourceFailure(extra, rules, ruleFile)) {
        std::cerr << *failure << "\n";
        return kFileError;
    }
    const RegisterTableLoad registers = loadRegisterTable(parGenFile);
    if (const auto failure = registerSourceFailure(extra, registers, parGenFile)) {
        std::cerr << *failure << "\n";
        return kFileError;
    }
    if (const auto notice = rulesLeftOutNotice(extra, rules, ruleFile))
        std::cerr << *notice << "\n";

    const std::string name = std::filesystem::weakly_canonical(project).filename().string();
    const RegisterReport report = makeRegisterReport(name, catalog, rules.rules, registers);
    const std::string text = registerReportText(report, reportFormatNamed(options.format).value());
    if (options.output.empty()) {
        std::cout << text;
        return kSuccess;
    }
    AtomicFileWriter writer;
    if (const auto error = writer.write(options.output, text)) {
        std::cerr << extra[ext::kFileCannotBeWritten] << error->file.string() << "\n" << error->reason << "\n";
        return kFileError;
    }
    return kSuccess;
}

} // namespace

Command addRegisterMapCommand(CLI::App& parent)
{
    auto options = std::make_shared<RegisterMapOptions>();
    CLI::App* app = parent.add_subcommand(
        "register-map", "Write the Modbus registers of the enabled sentence rules (two bytes per register)");
    app->add_option("PROJECT_DIR", options->projectDir, "Project folder (holding NMEA_0183_Set_Access.xml)")
        ->required()
        ->check(CLI::ExistingDirectory);
    app->add_option("--format", options->format, "csv (UTF-8 with BOM), markdown or html; default csv")
        ->check(CLI::IsMember({"csv", "markdown", "html"}));
    app->add_option("-o,--output", options->output, "File to write, replaced when it exists; default: print")
        ->check([](const std::string& file) { return file.empty() ? std::string("FILE is empty") : std::string(); });
    return Command{app, [options] { return runRegisterMap(*options); }};
}

} // namespace birch::cli

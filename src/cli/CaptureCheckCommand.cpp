#include "cli/CaptureCheckCommand.h"

#include "cli/ExitCodes.h"
#include "common/FileRead.h"
#include "core/ProjectFiles.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "nmea/CaptureCheckText.h"
#include "nmea/CaptureFile.h"
#include "nmea/ProjectRules.h"
#include "nmea/ReportSourceMessages.h"
#include "nmea/SerialChannels.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

namespace birch::cli {

namespace {

struct CaptureCheckOptions {
    std::string projectDir;
    std::string capture;
    std::string port;
};

int runCaptureCheck(const CaptureCheckOptions& options)
{
    const auto ruleFile = std::filesystem::path(options.projectDir) / kRuleFileName;
    const ExtraTexts extra;
    const Catalog catalog = Catalog::Init_NMEA0183_Map();

    const ProjectRulesLoad rules = loadProjectRules(ruleFile, catalog);
    if (const auto failure = ruleSourceFailure(extra, rules, ruleFile)) {
        std::cerr << *failure << "\n";
        return kFileError;
    }
    if (const auto notice = rulesLeftOutNotice(extra, rules, ruleFile))
        std::cerr << *notice << "\n";

    const FileReadResult capture = readFileForParsing(options.capture, kMaxCaptureSize);
    if (!capture.ok()) {
        std::cerr << extra[ext::kFileCannotBeRead] << options.capture << "\n"
                  << (capture.missing() ? std::string("No such file") : capture.reason) << "\n";
        return kFileError;
    }
    CaptureStats stats(catalog);
    stats.addText(capture.bytes);
    stats.finish();

    std::optional<std::string_view> port;
    if (!options.port.empty())
        port = options.port;
    const CaptureCheck check = checkCapture(catalog, placedRules(catalog, rules.rules), stats, port);
    std::cout << captureCheckText(check);
    return check.everyRuleSeen() ? kSuccess : kInvalidContent;
}

} // namespace

Command addCaptureCheckCommand(CLI::App& parent)
{
    auto options = std::make_shared<CaptureCheckOptions>();
    CLI::App* app = parent.add_subcommand(
        "capture-check", "Check the enabled sentence rules against an NMEA 0183 capture (exit code 1: a rule's "
                         "sentence never appears)");
    app->add_option("PROJECT_DIR", options->projectDir, "Project folder (holding NMEA_0183_Set_Access.xml)")
        ->required()
        ->check(CLI::ExistingDirectory);
    app->add_option("CAPTURE", options->capture,
                    "Capture file: one sentence a line, prefixes such as time stamps "
                    "allowed")
        ->required();
    std::vector<std::string> channels(kSerialChannelNames.begin(), kSerialChannelNames.end());
    app->add_option("--port", options->port, "Check only the rules of this serial channel")
        ->check(CLI::IsMember(channels));
    return Command{app, [options] { return runCaptureCheck(*options); }};
}

} // namespace birch::cli

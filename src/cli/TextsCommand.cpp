#include "cli/TextsCommand.h"

#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

namespace birch::cli {

namespace {
struct TextsOptions {
    bool json = false;
    std::optional<std::filesystem::path> languageFile;
};

int runTexts(const TextsOptions& options)
{
    CliTexts texts;
    if (const auto failed = loadCliTexts(options.languageFile, texts))
        return *failed;
    const nlohmann::json entries = texts.table.entries();
    std::cout << entries.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return kSuccess;
}
} // namespace

Command addTextsCommand(CLI::App& parent)
{
    auto options = std::make_shared<TextsOptions>();
    CLI::App* app = parent.add_subcommand("texts", "Print the numbered user-interface texts");
    app->add_flag("--json", options->json, "Print as one JSON array of strings (text N at index N)")->required();
    app->add_option("--language-file", options->languageFile,
                    "Overlay this language file (.lng) on the English defaults");
    return Command{app, [options] { return runTexts(*options); }};
}

} // namespace birch::cli

#include "cli/TextsCommand.h"

#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"
#include "lang/LanguageFileText.h"

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
    bool lng = false;
    std::optional<std::filesystem::path> languageFile;
};

int runTexts(const TextsOptions& options)
{
    CliTexts texts;
    if (const auto failed = loadCliTexts(options.languageFile, texts))
        return *failed;
    if (options.lng) {
        std::cout << languageFileText(texts.table, texts.extra);
        return kSuccess;
    }
    const nlohmann::json entries = texts.table.entries();
    std::cout << entries.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return kSuccess;
}
} // namespace

Command addTextsCommand(CLI::App& parent)
{
    auto options = std::make_shared<TextsOptions>();
    CLI::App* app = parent.add_subcommand("texts", "Print the numbered user-interface texts");
    CLI::Option_group* format = app->add_option_group("format", "What to print (one of the two)");
    format->add_flag("--json", options->json, "Print as one JSON array of strings (text N at index N)");
    format->add_flag("--lng", options->lng,
                     "Print as a complete language file (UTF-8 with byte-order mark): a translator's start");
    format->require_option(1);
    app->add_option("--language-file", options->languageFile,
                    "Overlay this language file (.lng) on the English defaults");
    return Command{app, [options] { return runTexts(*options); }};
}

} // namespace birch::cli

#include "cli/TextsCommand.h"

#include "cli/ExitCodes.h"
#include "lang/ExtraTexts.h"
#include "lang/Language.h"
#include "lang/LanguageFileText.h"
#include "lang/TextList.h"

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
    TextList table;
    ExtraTexts extra;
    Load_Default_Texts(table);
    if (options.languageFile) {
        const std::filesystem::path& file = *options.languageFile;
        const LanguageFileResult result = Load_Language_File(table, extra, file);
        if (result.status != LanguageFileResult::Status::Loaded) {
            const std::string reason =
                result.status == LanguageFileResult::Status::Missing ? "no such file" : result.reason;
            std::cerr << "birchcfg-cli: cannot read language file " << file.string() << ": " << reason << "\n";
            return kFileError;
        }
    }
    if (options.lng) {
        std::cout << languageFileText(table, extra);
        return kSuccess;
    }
    const nlohmann::json texts = table.entries();
    std::cout << texts.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
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

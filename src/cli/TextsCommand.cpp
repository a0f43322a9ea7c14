#include "cli/TextsCommand.h"

#include "cli/ExitCodes.h"
#include "lang/ExtraTexts.h"
#include "lang/Language.h"
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
    const nlohmann::json texts = table.entries();
    std::cout << texts.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
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

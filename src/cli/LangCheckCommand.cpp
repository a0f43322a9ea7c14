#include "cli/LangCheckCommand.h"

#include "cli/ExitCodes.h"
#include "common/FileRead.h"
#include "lang/LanguageCheck.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace birch::cli {

namespace {

int runLangCheck(const std::string& file)
{
    const FileReadResult read = readFileForParsing(file);
    if (!read.ok()) {
        std::cerr << "birchcfg-cli: cannot read language file " << file << ": "
                  << (read.missing() ? "no such file" : read.reason) << "\n";
        return kFileError;
    }
    const LanguageCheck check = checkLanguageFile(read.bytes);
    std::cout << file << ": encoding: " << encodingName(check.encoding) << "\n";
    for (const LanguageFinding& finding : check.findings) {
        std::cout << file;
        if (finding.line > 0)
            std::cout << ":" << finding.line;
        std::cout << ": " << finding.message << "\n";
    }
    std::cout << file << ": " << check.textsSet << " of " << check.textsExpected << " texts, " << check.extraSet
              << " of " << check.extraExpected << " extra texts; "
              << (check.needsAttention() ? std::to_string(check.findings.size()) + " to look at" : "nothing to look at")
              << "\n";
    return check.needsAttention() ? kInvalidContent : kSuccess;
}

} // namespace

Command addLangCheckCommand(CLI::App& parent)
{
    auto file = std::make_shared<std::string>();
    CLI::App* app = parent.add_subcommand("lang-check", "Check a language file (.lng) for translators");
    app->add_option("FILE", *file, "The language file")->required();
    return Command{app, [file] { return runLangCheck(*file); }};
}

} // namespace birch::cli

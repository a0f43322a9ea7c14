#pragma once

#include "lang/ExtraTexts.h"
#include "lang/TextList.h"

#include <filesystem>
#include <optional>

namespace birch::cli {

// The texts a command prints: the English defaults, overlaid by `--language-file` by exactly the
// rules the configurator applies.
struct CliTexts {
    TextList table;
    ExtraTexts extra;
};

// Fills `texts`; a language file that is missing or cannot be read is told on stderr, naming
// it, and gives the exit code to end with.
std::optional<int> loadCliTexts(const std::optional<std::filesystem::path>& languageFile, CliTexts& texts);

} // namespace birch::cli

#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `texts --json|--lng [--language-file FILE]`: the texts, English defaults with FILE overlaid:
// the 1600 numbered texts as one JSON array of strings, or a complete language file.
Command addTextsCommand(CLI::App& parent);

} // namespace birch::cli

#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `texts --json [--language-file FILE]`: the 1600 numbered texts, English defaults with FILE
// overlaid, as one JSON array of strings.
Command addTextsCommand(CLI::App& parent);

} // namespace birch::cli

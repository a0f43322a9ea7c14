#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `lang-check FILE`: what a translator should look at in a language file, with line numbers, and
// the encoding it is read in. Exit code 1 when something needs attention.
Command addLangCheckCommand(CLI::App& parent);

} // namespace birch::cli

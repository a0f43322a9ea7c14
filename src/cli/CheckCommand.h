#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `check PROJECT_DIR`: runs every project check; exit 0 when all pass, 1 when content is
// invalid, 3 when a file cannot be read or parsed.
Command addCheckCommand(CLI::App& app);

} // namespace birch::cli

#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `objects-map PROJECT_DIR -o FILE`: the objects map of a project's rule file, written to FILE
// exactly as named.
Command addObjectsMapCommand(CLI::App& parent);

} // namespace birch::cli

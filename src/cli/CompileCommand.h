#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `compile PROJECT_DIR [-o FILE]`: the device image of a project, by default into
// PROJECT_DIR/bin/bank.bin.
Command addCompileCommand(CLI::App& parent);

} // namespace birch::cli

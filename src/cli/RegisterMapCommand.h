#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `register-map PROJECT_DIR [--format csv|markdown|html] [-o FILE]`: the Modbus registers of the
// enabled rules, written to FILE or printed.
Command addRegisterMapCommand(CLI::App& parent);

} // namespace birch::cli

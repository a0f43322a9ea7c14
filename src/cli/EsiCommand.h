#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `esi PROJECT_DIR -o FILE`: the EtherCAT ESI file of a project, as the ESI step writes it.
Command addEsiCommand(CLI::App& parent);

} // namespace birch::cli

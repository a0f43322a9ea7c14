#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `update-description --project-dir DIR --master-dir DIR --ip TEXT --option 0|1|2
// [--no-read-back] -o FILE`: the updater's description file, without checking the device or
// starting anything.
Command addUpdateDescriptionCommand(CLI::App& parent);

} // namespace birch::cli

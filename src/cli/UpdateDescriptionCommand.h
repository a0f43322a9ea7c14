#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `update-description --project-dir DIR (--workspace DIR | --master-dir DIR -o FILE) --ip TEXT
// --option 0|1|2 [--no-read-back]`: the updater's description file, without checking the device
// or starting anything. A workspace stands for its MASTER folder and Ethernet_Update.xml in it.
Command addUpdateDescriptionCommand(CLI::App& parent);

} // namespace birch::cli

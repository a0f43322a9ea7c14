#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `capture-check PROJECT_DIR CAPTURE [--port CHANNEL]`: which enabled rules' sentences an NMEA
// 0183 capture holds; exit code 1 when one never appears.
Command addCaptureCheckCommand(CLI::App& parent);

} // namespace birch::cli

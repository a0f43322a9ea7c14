#pragma once

#include "cli/CliTexts.h"
#include "cli/ProjectCheck.h"

namespace birch::cli {

// MQTT_Set_Topic.xml as the topic window would judge it: Invalid with the message the window
// would show first (a load that stopped early or left rows out, or the first refused row),
// FileError when the file cannot be read or parsed; a missing file passes.
CheckResult checkMqttTopics(const std::filesystem::path& projectDir, const CliTexts& texts);

} // namespace birch::cli

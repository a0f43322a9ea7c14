#pragma once

#include "lang/ExtraTexts.h"
#include "lang/TextList.h"

#include <filesystem>
#include <string>

namespace birch {

// The outcome of checking a project's topic file as the topic window would.
struct MqttTopicCheckResult {
    enum class Outcome { Passed, Invalid, FileError };
    Outcome outcome = Outcome::Passed;
    std::string message; // what the window would tell: the load message or the first failure
};

// Loads `MQTT_Set_Topic.xml` of the project and judges it as OK would. A missing file passes;
// one that cannot be read or parsed is a file error; a load that stops early or leaves rows
// out, or a row that OK refuses, is invalid.
MqttTopicCheckResult checkMqttTopicFile(const std::filesystem::path& projectDir, const TextList& texts,
                                        const ExtraTexts& extra);

} // namespace birch

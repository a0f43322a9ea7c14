#pragma once

#include "common/GridModel.h"
#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "profiles/MqttTopicFile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// What the user is told after loading the topic file: one message naming the file when it
// could not be used whole or held more rows than a table, nothing otherwise. `editing`: the
// window will replace a damaged file, so it is kept as a backup first (a check replaces nothing).
std::optional<std::string> mqttLoadMessage(const ExtraTexts& extra, const MqttTopicLoad& load,
                                           const std::filesystem::path& file, bool editing);

// Why a save did not happen, naming the file.
std::string mqttSaveMessage(const ExtraTexts& extra, const MqttTopicSave& save, const std::filesystem::path& file);

// How OK judges the two tables. The subscribe list is never saved and its tab is hidden, so a
// row there that fails is told apart: the user may save without it.
struct MqttOkJudgement {
    enum class Outcome { Valid, Invalid, InvalidHiddenSubscribe };
    Outcome outcome = Outcome::Valid;
    std::string message; // the failure and, for a hidden subscribe row, why it can be left behind
};

MqttOkJudgement judgeMqttTables(const TextList& texts, const ExtraTexts& extra, const GridModel& publish,
                                const GridModel& subscribe, int Byte_IN, int Byte_OUT);

// Told once the tables pass while the file read held subscribe rows: they will not be saved.
std::string subscribeDropNotice(const ExtraTexts& extra, std::size_t subscribeRows);

} // namespace birch

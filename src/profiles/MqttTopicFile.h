#pragma once

#include "common/TextPosition.h"
#include "platform/FileWriter.h"
#include "profiles/MqttTopicColumns.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// Written after the root of the topic file; this file keeps its own version.
inline constexpr std::string_view kMqttTopicVersionComment = "SW_VERSION = 1.000";

// The topic tables read from MQTT_Set_Topic.xml, each value exactly as it stands.
struct MqttTopicLoad {
    // Incomplete: a row lacks a required attribute or a list element is missing; what came
    // before that point is loaded. Unreadable and Malformed: nothing was taken from the file.
    enum class Status { Missing, Ok, Incomplete, Unreadable, Malformed };
    Status status = Status::Missing;
    std::vector<MqttPublishRow> publish;
    std::vector<MqttSubscribeRow> subscribe;
    // Rows beyond the last row of a table.
    std::size_t publishNotLoaded = 0;
    std::size_t subscribeNotLoaded = 0;
    // Where an Incomplete load stopped: the list, the row (from 1) and the attribute it lacks;
    // row 0 when the list element itself is missing.
    MqttList stoppedIn = MqttList::Publish;
    std::size_t stoppedAtRow = 0;
    std::string missingAttribute;
    std::string reason;   // why an Unreadable or Malformed file was not read
    TextPosition at = {}; // where the parser stopped in a Malformed file

    // The file holds something the tables do not: keep it before replacing it.
    bool damaged() const
    {
        return status == Status::Incomplete || status == Status::Unreadable || status == Status::Malformed;
    }
    // Rows of the subscribe list found in the file, loaded or not.
    std::size_t subscribeRowsInFile() const { return subscribe.size() + subscribeNotLoaded; }
};

// Loads the topic file: the first node is the root; the children of MQTT_Publish, then of
// MQTT_Subscribe, fill the rows by position, whatever their kind. Topic, Retained, QoS and
// Mnemonic are required; a child without one ends the load there.
MqttTopicLoad loadMqttTopicFile(const std::filesystem::path& file);

// The file's bytes for these publish rows (all of them, in order); the subscribe list is
// always written empty.
std::string mqttTopicDocument(const std::vector<MqttPublishRow>& rows);

struct MqttTopicSave {
    enum class Status { Saved, BackupFailed, WriteFailed };
    Status status = Status::Saved;
    std::string reason;

    bool ok() const { return status == Status::Saved; }
};

// Writes the topic file whole through `writer`. With `keepDamaged` the file on disk is first
// kept as a backup; when that fails nothing is written.
MqttTopicSave saveMqttTopicFile(const std::filesystem::path& file, const std::vector<MqttPublishRow>& rows,
                                FileWriter& writer, bool keepDamaged);

} // namespace birch

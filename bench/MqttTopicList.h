#pragma once

#include "profiles/MqttTopicColumns.h"

#include <string>
#include <vector>

namespace birch::bench {

// A full publish list as the topic window writes it: 1024 timer-driven topics with templates.
inline std::vector<MqttPublishRow> fullPublishList()
{
    std::vector<MqttPublishRow> rows;
    for (int i = 0; i < kMqttTopicRows; ++i) {
        MqttPublishRow row;
        row[PubColumn::Topic] = "plant/line" + std::to_string(i / 64) + "/sensor" + std::to_string(i);
        row[PubColumn::Retained] = i % 2 ? "Y" : "N";
        row[PubColumn::QoS] = std::to_string(i % 3);
        row[PubColumn::DataType] = "Int";
        row[PubColumn::Dimension] = "1";
        row[PubColumn::Position] = std::to_string(i);
        row[PubColumn::Template] = "{\"sensor\":" + std::to_string(i) + ",\"value\":$VALUE$}";
        row[PubColumn::OnChange] = "Y";
        row[PubColumn::OnTimer] = "Y";
        row[PubColumn::Time] = "1000";
        row[PubColumn::Mnemonic] = "Sensor " + std::to_string(i);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace birch::bench

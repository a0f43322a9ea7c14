#pragma once

#include <array>
#include <string>

namespace birch {

// Data rows of each topic table (a header row comes on top).
inline constexpr int kMqttTopicRows = 1024;
// Size of the data area that publish (in) and subscribe (out) positions index.
inline constexpr int kMqttByteIn = 2000;
inline constexpr int kMqttByteOut = 2000;

// Columns of the publish table, hidden ones included; column 0 shows the row number.
namespace PubColumn {
inline constexpr int Number = 0;
inline constexpr int Topic = 1;
inline constexpr int Retained = 2;
inline constexpr int QoS = 3;
inline constexpr int DataType = 4;
inline constexpr int Dimension = 5;
inline constexpr int Position = 6;
inline constexpr int IPAddress = 7;
inline constexpr int InputTemplate = 8;
inline constexpr int Template = 9;
inline constexpr int OnChange = 10;
inline constexpr int OnCMD = 11;
inline constexpr int OnTimer = 12;
inline constexpr int Time = 13;
inline constexpr int Channel = 14;
inline constexpr int Swap = 15;
inline constexpr int SwapWord = 16;
inline constexpr int Mnemonic = 17;
inline constexpr int Count = 18;
} // namespace PubColumn

// Columns of the subscribe table.
namespace SubColumn {
inline constexpr int Number = 0;
inline constexpr int Topic = 1;
inline constexpr int Retained = 2;
inline constexpr int QoS = 3;
inline constexpr int DataType = 4;
inline constexpr int Dimension = 5;
inline constexpr int Position = 6;
inline constexpr int IPAddress = 7;
inline constexpr int Port = 8;
inline constexpr int EthType = 9;
inline constexpr int InputTemplate = 10;
inline constexpr int Template = 11;
inline constexpr int Swap = 12;
inline constexpr int SwapWord = 13;
inline constexpr int Mnemonic = 14;
inline constexpr int Count = 15;
} // namespace SubColumn

// One row of a topic table as cell texts by column (column 0 unused).
using MqttPublishRow = std::array<std::string, PubColumn::Count>;
using MqttSubscribeRow = std::array<std::string, SubColumn::Count>;

// The two lists of the topic file, named as its elements are.
enum class MqttList { Publish, Subscribe };

inline const char* mqttListElement(MqttList list)
{
    return list == MqttList::Publish ? "MQTT_Publish" : "MQTT_Subscribe";
}

} // namespace birch

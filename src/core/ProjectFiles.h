#pragma once

namespace birch {

// The names of a project folder's files, which the device's tools and the updater expect as they
// stand.
inline constexpr const char* kParGenFileName = "ParGen.xml";
inline constexpr const char* kRuleFileName = "NMEA_0183_Set_Access.xml";
inline constexpr const char* kMqttTopicFileName = "MQTT_Set_Topic.xml";
inline constexpr const char* kEtherCatSlaveFileName = "EtherCAT_Slave.xml";

} // namespace birch

#pragma once

namespace birch::etherCatXml {

// The elements of EtherCAT_Slave.xml, which the variables window and the ESI writer each read.
inline constexpr const char* kRoot = "EtherCAT_Slave";
inline constexpr const char* kVariables = "EtherCAT_Slave_Variables";
inline constexpr const char* kSlaveToMaster = "EtherCAT_Slave_To_Master";
inline constexpr const char* kMasterToSlave = "EtherCAT_Master_To_Slave";
inline constexpr const char* kVersionComment = "SW_VERSION = 1.000";

} // namespace birch::etherCatXml

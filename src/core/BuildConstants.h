#pragma once

#include <string_view>

namespace birch {

// Build constants of the `Birch` profile.
inline constexpr std::string_view SoftwareCode = "Birchcfg";
inline constexpr std::string_view SoftwareDescription = "NMEA 0183 / Modbus Slave - Converter";
inline constexpr std::string_view SoftwareVersion = "1.101";
inline constexpr std::string_view AppTitle = "Velmora - Configurator Birchcfg - NMEA 0183 / Modbus Slave ";

// Written after the root of every project file.
inline constexpr std::string_view kSoftwareVersionComment = "SW_VERSION = 1.101";

} // namespace birch

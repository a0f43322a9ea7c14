#pragma once

#include "core/DeviceProfile.h"

#include <string>
#include <string_view>

namespace birch {

// Build constants; every profile keeps the values of `Birch`.
inline constexpr std::string_view SoftwareCode = "Birchcfg";
inline constexpr std::string_view SoftwareDescription = "NMEA 0183 / Modbus Slave - Converter";
inline constexpr std::string_view SoftwareVersion = "1.101";
inline constexpr std::string_view AppTitle = "Velmora - Configurator Birchcfg - NMEA 0183 / Modbus Slave ";

// The main window's title: `AppTitle`, naming the profile of the run when it is not `Birch`.
inline std::string Main_Window_Title(DeviceProfile profile)
{
    std::string title(AppTitle);
    if (profile != DeviceProfile::Birch)
        title += "(profile " + std::string(profileName(profile)) + ")";
    return title;
}

// Written after the root of every project file.
inline constexpr std::string_view kSoftwareVersionComment = "SW_VERSION = 1.101";

} // namespace birch

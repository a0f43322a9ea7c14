#pragma once

#include "params/ParGen.h"

#include <optional>
#include <string>
#include <string_view>

namespace birch {

// How one of the device's serial channels talks, from the parameter set: the speed in bits per
// second and the positions in ParityList and StopBitsList. Eight data bits, as NMEA 0183 uses.
struct SerialPortSettings {
    int baud = 4800;
    int parity = 0;
    int stopBits = 0;

    bool operator==(const SerialPortSettings&) const = default;
};

// The settings of the channel named as the rule files name it ("RS232", "RS485 / RS422",
// "RS485 2"); nothing for another name.
std::optional<SerialPortSettings> serialPortSettings(const TParGen& parameters, std::string_view channel);

// "4800, NONE, 1 bit".
std::string serialPortSettingsText(const SerialPortSettings& settings);

} // namespace birch

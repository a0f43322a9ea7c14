#pragma once

#include "nmea/SerialChannels.h"

#include <string>
#include <string_view>

namespace birch::firstgen {

// This list always offers all three channels.
inline constexpr int kEnable_Serial = kAllSerialChannels;

// The channel as the list keeps it: the text itself, except that the first RS485 port under
// either of its names ("RS485 / RS422", "RS485 1", in any letter case and with blanks around)
// becomes "RS485 / RS422".
std::string Get_Serial_Channel(std::string_view text);

// True when `text` is exactly one of the three channel names and that channel is offered in
// `enableSerial`.
bool Check_Serial(std::string_view text, int enableSerial);

} // namespace birch::firstgen

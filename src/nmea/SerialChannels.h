#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// The serial channels in bit order of `Enable_Serial`; these names are stored in files.
inline constexpr std::array<std::string_view, 3> kSerialChannelNames = {"RS232", "RS485 / RS422", "RS485 2"};
inline constexpr int kAllSerialChannels = 0b111;

// The channels free for NMEA 0183 by the project's ParGen.xml: a channel is withdrawn only when
// its enable key is exactly "0", and the Modbus slave's channel (MODBUS_SLAVE_SERIAL, 0 when
// missing or not a number, no channel when out of range) is withdrawn. A missing file, or one
// that cannot be read or parsed, offers all three (the parameter window reports the damage).
int Enable_Serial(const std::filesystem::path& parGenFile);

// The offered channel names (`SerialChannel_SL`) for a bit mask, in channel order.
std::vector<std::string> SerialChannel_SL(int enableSerial);

// `text` when it is one of `offered` (exact comparison), else the empty text.
std::string Get_Serial_Channel(std::string_view text, const std::vector<std::string>& offered);

} // namespace birch

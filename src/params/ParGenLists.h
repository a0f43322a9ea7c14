#pragma once

#include <array>
#include <string_view>

namespace birch {

// Fixed value lists of the communication parameters; the file stores the texts, the windows
// and the device image use the positions.
inline constexpr std::array<std::string_view, 8> BaudList = {"1200",  "2400",  "4800",  "9600",
                                                             "19200", "38400", "57600", "115200"};
inline constexpr std::array<std::string_view, 3> ParityList = {"NONE", "ODD", "EVEN"};
inline constexpr std::array<std::string_view, 2> StopBitsList = {"1 bit", "2 bits"};
inline constexpr std::array<std::string_view, 3> SerialPortList = {"RS232", "RS485 / RS422", "RS485 2"};

// Position in BaudList of a decimal text; not a number or an unknown rate gives 2 (4800).
int Baud_to_Index(std::string_view text);
// Upper-cased, untrimmed, whole: NONE 0, ODD 1, EVEN 2, anything else 0.
int Parity_to_Index(std::string_view text);
// Upper-cased, untrimmed, whole: "1 BIT" 0, "2 BITS" 1, anything else 0.
int StopBits_to_Index(std::string_view text);

} // namespace birch

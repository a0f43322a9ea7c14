#include "params/SerialPortSettings.h"

#include "common/DecimalNumber.h"
#include "params/ParGenLists.h"

namespace birch {

namespace {

// The positions are the parameter set's; one outside its list reads as the lists' fallbacks
// (4800, NONE, 1 bit), as a text outside a list does.
SerialPortSettings settingsAt(int baud, int parity, int stopBits)
{
    const bool knownBaud = baud >= 0 && baud < static_cast<int>(BaudList.size());
    return {decimalOr(BaudList[static_cast<std::size_t>(knownBaud ? baud : 2)], 4800),
            parity >= 0 && parity < static_cast<int>(ParityList.size()) ? parity : 0, stopBits == 1 ? 1 : 0};
}

} // namespace

std::optional<SerialPortSettings> serialPortSettings(const TParGen& p, std::string_view channel)
{
    if (channel == SerialPortList[0])
        return settingsAt(p.RS232_BAUDRATE, p.RS232_PARITY, p.RS232_STOP_BITS);
    if (channel == SerialPortList[1])
        return settingsAt(p.RS485_1_BAUDRATE, p.RS485_1_PARITY, p.RS485_1_STOP_BITS);
    if (channel == SerialPortList[2])
        return settingsAt(p.RS485_2_BAUDRATE, p.RS485_2_PARITY, p.RS485_2_STOP_BITS);
    return std::nullopt;
}

std::string serialPortSettingsText(const SerialPortSettings& settings)
{
    return std::to_string(settings.baud) + ", " + std::string(ParityList[static_cast<std::size_t>(settings.parity)]) +
           ", " + std::string(StopBitsList[static_cast<std::size_t>(settings.stopBits)]);
}

} // namespace birch

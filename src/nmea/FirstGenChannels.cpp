#include "nmea/FirstGenChannels.h"

#include "common/TextUtil.h"

namespace birch::firstgen {

std::string Get_Serial_Channel(std::string_view text)
{
    const std::string key = upperAscii(trimControl(text));
    if (key == kSerialChannelNames[1] || key == "RS485 1")
        return std::string(kSerialChannelNames[1]);
    return std::string(text);
}

bool Check_Serial(std::string_view text, int enableSerial)
{
    for (std::size_t i = 0; i < kSerialChannelNames.size(); ++i)
        if (text == kSerialChannelNames[i])
            return (enableSerial & (1 << i)) != 0;
    return false;
}

} // namespace birch::firstgen

#include "nmea/SerialChannels.h"

#include "common/DecimalNumber.h"
#include "common/Xml.h"

#include <algorithm>

namespace birch {

namespace {
constexpr std::array<const char*, 3> kEnableKeys = {"RS232_ENABLE", "RS485_1_ENABLE", "RS485_2_ENABLE"};
}

int Enable_Serial(const std::filesystem::path& parGenFile)
{
    const XmlFileResult file = loadXmlFile(parGenFile);
    if (!file.ok())
        return kAllSerialChannels;
    const pugi::xml_node root = firstNode(*file.document);
    int bits = kAllSerialChannels;
    for (std::size_t i = 0; i < kEnableKeys.size(); ++i)
        if (childText(root, kEnableKeys[i]) == "0")
            bits &= ~(1 << i);
    const auto slave = childText(root, "MODBUS_SLAVE_SERIAL");
    const int slavePort = slave ? decimalOr(*slave, 0) : 0;
    if (slavePort >= 0 && slavePort < static_cast<int>(kSerialChannelNames.size()))
        bits &= ~(1 << slavePort);
    return bits;
}

std::vector<std::string> SerialChannel_SL(int enableSerial)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kSerialChannelNames.size(); ++i)
        if ((enableSerial & (1 << i)) != 0)
            names.emplace_back(kSerialChannelNames[i]);
    return names;
}

std::string Get_Serial_Channel(std::string_view text, const std::vector<std::string>& offered)
{
    return std::find(offered.begin(), offered.end(), text) != offered.end() ? std::string(text) : std::string();
}

} // namespace birch

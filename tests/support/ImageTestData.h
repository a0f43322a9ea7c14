#pragma once

#include "image/Bank.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace birch::test {

// Little-endian reads from a compiled image.
inline std::uint32_t le(const BankBytes& bytes, std::size_t offset, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = size; i > 0; --i)
        value = (value << 8) | bytes[offset + i - 1];
    return value;
}

// A ParGen.xml whose root holds one element per key, in the order given.
inline std::string parGenXml(const std::vector<std::pair<std::string, std::string>>& keys)
{
    std::string xml = "<Par_Gen>";
    for (const auto& [key, value] : keys)
        xml += "<" + key + ">" + value + "</" + key + ">";
    return xml + "</Par_Gen><!--SW_VERSION = 1.101-->";
}

// One `row` element with the attributes given (and no others).
inline std::string ruleRow(const std::map<std::string, std::string>& attributes)
{
    std::string xml = "<row";
    for (const auto& [name, value] : attributes)
        xml += " " + name + "=\"" + value + "\"";
    return xml + "/>";
}

// An enabled rule with sensible values; `changes` overrides or adds attributes.
inline std::string rule(const std::map<std::string, std::string>& changes = {})
{
    std::map<std::string, std::string> attributes{{"Enable", "Y"},
                                                  {"Serial_Channel", "RS485 / RS422"},
                                                  {"Sentence", "ZDA"},
                                                  {"Index", ""},
                                                  {"DataField", "hour [decimal]"},
                                                  {"PortOperation", "None"},
                                                  {"SwapAll", "N"},
                                                  {"Swap16", "N"},
                                                  {"Position", "1"},
                                                  {"Mnemonic", "m"}};
    for (const auto& [name, value] : changes)
        attributes[name] = value;
    return ruleRow(attributes);
}

inline std::string rulesXml(const std::vector<std::string>& rows)
{
    std::string xml = "<NMEA_0183><NMEA_Listener>";
    for (const auto& row : rows)
        xml += row;
    return xml + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.101-->";
}

// All three ports enabled, the Modbus slave on RS232: rules may use both RS485 ports.
inline std::string rs485ParGen()
{
    return parGenXml(
        {{"RS232_ENABLE", "1"}, {"RS485_1_ENABLE", "1"}, {"RS485_2_ENABLE", "1"}, {"MODBUS_SLAVE_SERIAL", "0"}});
}

} // namespace birch::test

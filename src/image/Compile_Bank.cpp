#include "image/Compile_Bank.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"
#include "common/Xml.h"
#include "nmea/Catalog.h"
#include "nmea/PostOperations.h"
#include "params/ParGenLists.h"

#include <string>

namespace birch {

namespace {

// Fields narrower than 32 bits keep the low bits of the number.
std::uint32_t asUnsigned(std::int32_t value)
{
    return static_cast<std::uint32_t>(value);
}

struct PortFields {
    std::uint32_t baud = 0;
    std::uint32_t parity = 0;
    std::uint32_t stopBits = 0;
};

class ParGenReader {
public:
    explicit ParGenReader(pugi::xml_node root) : root_(root) {}

    std::optional<std::string> text(const char* key) const { return childText(root_, key); }
    bool flag(const char* key) const { return text(key) == "1"; }
    std::int32_t number(const char* key, std::int32_t fallback) const
    {
        const auto value = text(key);
        return value ? decimalOr(*value, fallback) : fallback;
    }
    std::uint32_t parity(const char* key) const
    {
        const auto value = text(key);
        return value ? static_cast<std::uint32_t>(Parity_to_Index(*value)) : 0u;
    }
    std::uint32_t stopBits(const char* key) const
    {
        const auto value = text(key);
        return value ? static_cast<std::uint32_t>(StopBits_to_Index(*value) + 1) : 1u;
    }
    PortFields port(const char* baud, const char* parityKey, const char* stop, std::int32_t baudFallback) const
    {
        return {asUnsigned(number(baud, baudFallback)), parity(parityKey), stopBits(stop)};
    }
    std::array<std::uint8_t, 4> octets(const char* prefix, const std::array<std::int32_t, 4>& fallback) const
    {
        std::array<std::uint8_t, 4> result{};
        for (std::size_t i = 0; i < result.size(); ++i) {
            const std::string key = prefix + std::to_string(i + 1);
            result[i] = static_cast<std::uint8_t>(number(key.c_str(), fallback[i]));
        }
        return result;
    }

private:
    pugi::xml_node root_;
};

void setRs232(TBank_General& general, const PortFields& port)
{
    general.RS232_Baud = port.baud;
    general.RS232_Parity = static_cast<std::uint16_t>(port.parity);
    general.RS232_StopBits = port.stopBits;
}

void setRs485_1(TBank_General& general, const PortFields& port)
{
    general.RS485_1_Baud = port.baud;
    general.RS485_1_Parity = static_cast<std::uint16_t>(port.parity);
    general.RS485_1_StopBits = port.stopBits;
}

void setRs485_2(TBank_General& general, const PortFields& port)
{
    general.RS485_2_Baud = port.baud;
    general.RS485_2_Parity = static_cast<std::uint8_t>(port.parity);
    general.RS485_2_StopBits = static_cast<std::uint8_t>(port.stopBits);
}

void readParameters(TBank_General& general, pugi::xml_node root)
{
    const ParGenReader file(root);

    std::uint8_t mask = 0;
    if (file.flag("RS232_ENABLE"))
        mask |= 1u;
    if (file.flag("RS485_1_ENABLE"))
        mask |= 2u;
    if (file.flag("RS485_2_ENABLE"))
        mask |= 4u;

    if (mask & 1u)
        setRs232(general, file.port("RS232_BAUDRATE", "RS232_PARITY", "RS232_STOP_BITS", 4800));
    if (mask & 2u)
        setRs485_1(general, file.port("RS485_1_BAUDRATE", "RS485_1_PARITY", "RS485_1_STOP_BITS", 4800));
    if (mask & 4u)
        setRs485_2(general, file.port("RS485_2_BAUDRATE", "RS485_2_PARITY", "RS485_2_STOP_BITS", 4800));

    switch (file.number("MODBUS_SLAVE_SERIAL", 0)) {
    case 1:
        general.Modbus_Slave_Serial = 2;
        break;
    case 2:
        general.Modbus_Slave_Serial = 4;
        break;
    default:
        general.Modbus_Slave_Serial = 1;
        break;
    }
    // The Modbus slave's port never carries NMEA 0183 rules.
    mask &= static_cast<std::uint8_t>(~general.Modbus_Slave_Serial);
    general.NMEA_Serial_Mask = mask;

    // The slave's settings go to its port even when that port's enable key is off.
    const PortFields slave = file.port("MODBUS_SLAVE_BAUDRATE", "MODBUS_SLAVE_PARITY", "MODBUS_SLAVE_STOPBITS", 9600);
    if (general.Modbus_Slave_Serial == 1)
        setRs232(general, slave);
    else if (general.Modbus_Slave_Serial == 2)
        setRs485_1(general, slave);
    else
        setRs485_2(general, slave);

    general.Modbus_Slave_ID = asUnsigned(file.number("MODBUS_SLAVE_IDDEVICE", 10));
    general.Modbus_Options = file.flag("MODBUS_SLAVE_READ_INPUT_REGISTER") ? 1u : 0u;
    general.IP_Address = file.octets("Ethernet_IP", {192, 168, 0, 10});
    general.Subnet_Mask = file.octets("Ethernet_SM", {255, 255, 255, 0});
    general.Gateway = file.flag("Ethernet_EN_GAT") ? file.octets("Ethernet_GAT", {192, 168, 0, 1})
                                                   : std::array<std::uint8_t, 4>{255, 255, 255, 255};
}

std::string attribute(pugi::xml_node node, const char* name)
{
    return node.attribute(name).value();
}

bool isIndexSentence(int sentence, int field)
{
    if (sentence == 10)
        return field == 1 || (field >= 3 && field <= 6);
    return sentence == 34 || sentence == 35 || (sentence >= 41 && sentence <= 47);
}

int serialOf(std::string_view channel, std::uint8_t mask)
{
    if (channel == "RS232")
        return (mask & 1u) ? 0 : -1;
    if (channel == "RS485 1" || channel == "RS485 / RS422")
        return (mask & 2u) ? 1 : -1;
    if (channel == "RS485 2")
        return (mask & 4u) ? 2 : -1;
    return -1;
}

// The rule a candidate encodes, or nothing when one of the acceptance steps drops it.
std::optional<TBank_Rule> encodeRule(pugi::xml_node candidate, std::uint8_t mask, const Catalog& catalog)
{
    // A node without attributes (text, comment) is not dropped here; it fails the port step.
    if (candidate.type() == pugi::node_element && attribute(candidate, "Enable") != "Y")
        return std::nullopt;

    const std::string channel = upperAscii(trimBlanks(attribute(candidate, "Serial_Channel")));
    const std::string sentenceName = upperAscii(trimBlanks(attribute(candidate, "Sentence")));
    const std::string dataField = upperAscii(trimBlanks(attribute(candidate, "DataField")));

    const int serial = serialOf(channel, mask);
    if (serial < 0)
        return std::nullopt;
    const int sentence = catalog.Find_Sentence(sentenceName);
    if (sentence < 1 || sentence > 52 || !catalog.isOffered(sentence))
        return std::nullopt;
    const int field = catalog.GetIndexDataField(sentence, dataField);
    if (field < 0)
        return std::nullopt;

    TBank_Rule rule;
    rule.Sentence = static_cast<std::uint16_t>(sentence);
    rule.Serial = static_cast<std::uint8_t>(serial);
    rule.Field_Number = static_cast<std::uint8_t>(field);
    if (isIndexSentence(sentence, field))
        rule.Index = static_cast<std::uint8_t>(decimalOr(trimBlanks(attribute(candidate, "Index")), 0));
    rule.Post_Operation =
        static_cast<std::uint8_t>(GetIndexPostOperation(trimBlanks(attribute(candidate, "PortOperation"))));
    if (upperAscii(trimBlanks(attribute(candidate, "SwapAll"))) == "Y")
        rule.Swap |= 1u;
    if (upperAscii(trimBlanks(attribute(candidate, "Swap16"))) == "Y")
        rule.Swap |= 2u;
    rule.Position = static_cast<std::uint16_t>(decimalOr(trimBlanks(attribute(candidate, "Position")), 0));
    return rule;
}

} // namespace

CompileBankResult Compile_Bank(std::optional<std::string_view> parGen, std::optional<std::string_view> rules,
                               const Catalog& catalog)
{
    CompileBankResult result;

    XmlParseResult parGenDocument;
    if (parGen) {
        parGenDocument = parseXml(*parGen);
        if (!parGenDocument.ok()) {
            result.error =
                BankSourceError{BankSourceError::Source::ParGen, parGenDocument.error, parGenDocument.errorAt};
            return result;
        }
    }
    XmlParseResult rulesDocument;
    if (rules) {
        rulesDocument = parseXml(*rules);
        if (!rulesDocument.ok()) {
            result.error = BankSourceError{BankSourceError::Source::Rules, rulesDocument.error, rulesDocument.errorAt};
            return result;
        }
    }

    CompiledBank bank;
    if (parGenDocument.ok())
        readParameters(bank.General, firstNode(*parGenDocument.document));

    if (rulesDocument.ok()) {
        const pugi::xml_node listener = childElement(firstNode(*rulesDocument.document), "NMEA_Listener");
        // The editors load no rule from such a file and `check` refuses it; an image without the
        // user's rules must not reach the device either.
        if (!listener) {
            result.error = BankSourceError{BankSourceError::Source::Rules,
                                           "no NMEA_Listener element under the document's first node"};
            return result;
        }
        for (const pugi::xml_node candidate : childrenByPosition(listener)) {
            const auto rule = encodeRule(candidate, bank.General.NMEA_Serial_Mask, catalog);
            if (!rule)
                continue;
            if (static_cast<std::size_t>(bank.Accepted) < kBankRuleCount)
                bank.Rules[static_cast<std::size_t>(bank.Accepted++)] = *rule;
            else
                ++bank.LeftOut;
        }
    }
    bank.General.Rule_Count = static_cast<std::uint32_t>(bank.Accepted);
    bank.Bytes = encodeBank(bank.General, bank.Rules);
    result.bank = std::move(bank);
    return result;
}

} // namespace birch

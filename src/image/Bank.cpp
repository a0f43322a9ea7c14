#include "image/Bank.h"

namespace birch {

namespace {

class Writer {
public:
    explicit Writer(BankBytes& bytes) : bytes_(bytes) {}

    void u8(std::size_t offset, std::uint8_t value) { bytes_[offset] = value; }
    void u16(std::size_t offset, std::uint16_t value)
    {
        u8(offset, static_cast<std::uint8_t>(value));
        u8(offset + 1, static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::size_t offset, std::uint32_t value)
    {
        u16(offset, static_cast<std::uint16_t>(value));
        u16(offset + 2, static_cast<std::uint16_t>(value >> 16));
    }
    void octets(std::size_t offset, const std::array<std::uint8_t, 4>& value)
    {
        for (std::size_t i = 0; i < value.size(); ++i)
            u8(offset + i, value[i]);
    }

private:
    BankBytes& bytes_;
};

} // namespace

BankBytes encodeBank(const TBank_General& general, const std::array<TBank_Rule, kBankRuleCount>& rules)
{
    BankBytes bytes{};
    Writer out(bytes);
    out.u32(0x00C, general.RS485_1_Baud);
    out.u16(0x012, general.RS485_1_Parity);
    out.u32(0x014, general.RS485_1_StopBits);
    out.u32(0x018, general.Modbus_Slave_ID);
    out.octets(0x028, general.IP_Address);
    out.octets(0x02C, general.Subnet_Mask);
    out.octets(0x030, general.Gateway);
    out.u16(0x034, general.Application_Port);
    out.u16(0x036, general.Fixed_Port_1);
    out.u16(0x038, general.Fixed_Port_2);
    out.u16(0x03A, general.Modbus_Options);
    out.u32(0x03C, general.RS232_Baud);
    out.u16(0x042, general.RS232_Parity);
    out.u32(0x044, general.RS232_StopBits);
    out.u8(0x061, general.Modbus_Slave_Serial);
    out.u32(0x258, general.Rule_Table_Address);
    out.u32(0x25C, general.Rule_Count);
    out.u32(0x260, general.RS485_2_Baud);
    out.u8(0x264, general.RS485_2_Parity);
    out.u8(0x265, general.RS485_2_StopBits);
    out.u8(0x267, general.NMEA_Serial_Mask);

    std::uint32_t checksum = 0;
    for (std::size_t i = 0; i < kBankChecksumOffset; ++i)
        checksum += bytes[i];
    out.u32(kBankChecksumOffset, checksum);

    for (std::size_t n = 0; n < rules.size(); ++n) {
        const std::size_t base = kBankGeneralSize + n * kBankRuleSize;
        const TBank_Rule& rule = rules[n];
        out.u16(base + 0, rule.Sentence);
        out.u16(base + 2, rule.Position);
        out.u8(base + 4, rule.Serial);
        out.u8(base + 5, rule.Field_Number);
        out.u8(base + 6, rule.Post_Operation);
        out.u8(base + 7, rule.Swap);
        out.u8(base + 8, rule.Index);
    }
    return bytes;
}

} // namespace birch

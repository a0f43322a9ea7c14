#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace birch {

inline constexpr std::size_t kBankGeneralSize = 2048;
inline constexpr std::size_t kBankRuleSize = 12;
inline constexpr std::size_t kBankRuleCount = 128;
inline constexpr std::size_t kBankSize = kBankGeneralSize + kBankRuleSize * kBankRuleCount; // 3584
inline constexpr std::size_t kBankChecksumOffset = 0x7FC;
// The device loads the image at this address; the rule table follows the general block.
inline constexpr std::uint32_t kBankLoadAddress = 0x68000;
inline constexpr std::uint32_t kRuleTableAddress = kBankLoadAddress + kBankGeneralSize;

// The general block of the device image. Every byte without a field here is reserved and zero.
struct TBank_General {
    std::uint32_t RS485_1_Baud = 9600;                         // 0x00C
    std::uint16_t RS485_1_Parity = 0;                          // 0x012
    std::uint32_t RS485_1_StopBits = 0;                        // 0x014
    std::uint32_t Modbus_Slave_ID = 0;                         // 0x018
    std::array<std::uint8_t, 4> IP_Address{192, 168, 2, 205};  // 0x028
    std::array<std::uint8_t, 4> Subnet_Mask{255, 255, 255, 0}; // 0x02C
    std::array<std::uint8_t, 4> Gateway{255, 255, 255, 255};   // 0x030
    std::uint16_t Application_Port = 10000;                    // 0x034
    std::uint16_t Fixed_Port_1 = 10001;                        // 0x036
    std::uint16_t Fixed_Port_2 = 10001;                        // 0x038
    std::uint16_t Modbus_Options = 0;                          // 0x03A, bit 0: read as input registers
    std::uint32_t RS232_Baud = 9600;                           // 0x03C
    std::uint16_t RS232_Parity = 0;                            // 0x042
    std::uint32_t RS232_StopBits = 0;                          // 0x044
    std::uint8_t Modbus_Slave_Serial = 0;                      // 0x061, port bit 1, 2 or 4
    std::uint32_t Rule_Table_Address = kRuleTableAddress;      // 0x258
    std::uint32_t Rule_Count = 0;                              // 0x25C
    std::uint32_t RS485_2_Baud = 0;                            // 0x260
    std::uint8_t RS485_2_Parity = 0;                           // 0x264
    std::uint8_t RS485_2_StopBits = 0;                         // 0x265
    std::uint8_t NMEA_Serial_Mask = 0; // 0x267, bit 0 RS232, bit 1 first RS485, bit 2 second RS485
};

// One entry of the rule table.
struct TBank_Rule {
    std::uint16_t Sentence = 0;
    std::uint16_t Position = 0;
    std::uint8_t Serial = 0;
    std::uint8_t Field_Number = 0;
    std::uint8_t Post_Operation = 0;
    std::uint8_t Swap = 0; // bit 0 swap all bytes, bit 1 swap 16-bit words
    std::uint8_t Index = 0;
};

using BankBytes = std::array<std::uint8_t, kBankSize>;

// Little-endian layout of the image; the checksum at 0x7FC is the byte sum of 0x000-0x7FB.
BankBytes encodeBank(const TBank_General& general, const std::array<TBank_Rule, kBankRuleCount>& rules);

} // namespace birch

#include "params/SerialPortSettings.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

TEST(SerialPortSettings, EachChannelReadsItsOwnKeys)
{
    TParGen p = DefaultParGen();
    p.RS232_BAUDRATE = 7; // 115200
    p.RS232_PARITY = 2;
    p.RS485_1_BAUDRATE = 3; // 9600
    p.RS485_1_STOP_BITS = 1;
    p.RS485_2_PARITY = 1;
    EXPECT_EQ(serialPortSettings(p, "RS232"), (SerialPortSettings{115200, 2, 0}));
    EXPECT_EQ(serialPortSettings(p, "RS485 / RS422"), (SerialPortSettings{9600, 0, 1}));
    EXPECT_EQ(serialPortSettings(p, "RS485 2"), (SerialPortSettings{4800, 1, 0}));
    EXPECT_EQ(serialPortSettings(p, "RS485 1"), std::nullopt);
    EXPECT_EQ(serialPortSettingsText(*serialPortSettings(p, "RS485 / RS422")), "9600, NONE, 2 bits");
    // A position outside a list (a record not made by the file reader) reads as the lists' fallbacks.
    p.RS232_BAUDRATE = 42;
    p.RS232_PARITY = -1;
    EXPECT_EQ(serialPortSettings(p, "RS232"), (SerialPortSettings{4800, 0, 0}));
}

} // namespace
} // namespace birch

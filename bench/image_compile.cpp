#include "image/Compile_Bank.h"
#include "nmea/Catalog.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A project as the editor writes it: all ports on, the Modbus slave on RS232, 100 rules.
std::string parGen()
{
    return "<Par_Gen><RS232_ENABLE>1</RS232_ENABLE><RS232_BAUDRATE>4800</RS232_BAUDRATE><RS485_1_ENABLE>1"
           "</RS485_1_ENABLE><RS485_1_BAUDRATE>38400</RS485_1_BAUDRATE><RS485_1_PARITY>NONE</RS485_1_PARITY>"
           "<RS485_1_STOP_BITS>1 bit</RS485_1_STOP_BITS><RS485_2_ENABLE>1</RS485_2_ENABLE><MODBUS_SLAVE_SERIAL>0"
           "</MODBUS_SLAVE_SERIAL><MODBUS_SLAVE_BAUDRATE>115200</MODBUS_SLAVE_BAUDRATE><Ethernet_IP1>192"
           "</Ethernet_IP1><Ethernet_EN_GAT>1</Ethernet_EN_GAT></Par_Gen><!--SW_VERSION = 1.101-->";
}

std::string rules(int count)
{
    std::string xml = "<NMEA_0183><NMEA_Listener>";
    for (int i = 0; i < count; ++i)
        xml += "<row Enable=\"Y\" Serial_Channel=\"" + std::string(i % 2 ? "RS485 2" : "RS485 / RS422") +
               "\" Sentence=\"XDR\" Index=\"" + std::to_string(i % 10 + 1) +
               "\" DataField=\"Measurement data [floating point]\" PortOperation=\"x 100\" SwapAll=\"N\" "
               "Swap16=\"Y\" Position=\"" +
               std::to_string(i * 4) + "\" Mnemonic=\"sensor\"/>";
    return xml + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.101-->";
}

// Runs before every update; must stay far below what a user would notice.
void BM_Compile_Bank_100_Rules(benchmark::State& state)
{
    const auto catalog = birch::Catalog::Init_NMEA0183_Map();
    const std::string settings = parGen();
    const std::string table = rules(100);
    for (auto _ : state) {
        auto result = birch::Compile_Bank(settings, table, catalog);
        benchmark::DoNotOptimize(result);
        if (!result.ok() || result.bank->Accepted != 100)
            state.SkipWithError("the benchmark project did not compile to 100 rules");
    }
}
BENCHMARK(BM_Compile_Bank_100_Rules);

} // namespace

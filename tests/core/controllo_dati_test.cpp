#include "params/Controllo_Dati.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace birch {
namespace {

struct ValidationCase {
    std::string name;
    std::function<void(TParGen&)> edit;
    std::optional<ParGenFailure> failure; // message and the key of the value refused, nothing when valid
};

// Every message of the validation, each boundary, and where two faults meet the earlier check
// wins; each failure names the key of the value it refused.
TEST(Controllo_Dati, ChecksInOrderAndStopsAtTheFirstFailure)
{
    const std::vector<ValidationCase> cases = {
        {"defaults", [](TParGen&) {}, std::nullopt},
        {"dns off ignores its bytes", [](TParGen& p) { p.Eth_Conn_Primary_DNS1 = "abc"; }, std::nullopt},
        {"dns on, primary 1",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS1 = "abc";
         },
         ParGenFailure{1147, "Eth_Conn_Primary_DNS1"}},
        {"dns on, primary 2",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS2 = "256";
         },
         ParGenFailure{1148, "Eth_Conn_Primary_DNS2"}},
        {"dns on, primary 3",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS3 = "";
         },
         ParGenFailure{1149, "Eth_Conn_Primary_DNS3"}},
        {"dns on, primary 4 before primary 1 of secondary",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS4 = "-1";
             p.Eth_Conn_Secondary_DNS1 = "x";
         },
         ParGenFailure{1150, "Eth_Conn_Primary_DNS4"}},
        {"dns on, secondary 1",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Secondary_DNS1 = "300";
         },
         ParGenFailure{1151, "Eth_Conn_Secondary_DNS1"}},
        {"dns on, secondary 2",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Secondary_DNS2 = " 1";
         },
         ParGenFailure{1152, "Eth_Conn_Secondary_DNS2"}},
        {"dns on, secondary 3",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Secondary_DNS3 = "1.5";
         },
         ParGenFailure{1153, "Eth_Conn_Secondary_DNS3"}},
        {"dns on, secondary 4",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Secondary_DNS4 = "+4";
         },
         ParGenFailure{1154, "Eth_Conn_Secondary_DNS4"}},
        {"dns on with 0 and 255",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS1 = "0";
             p.Eth_Conn_Secondary_DNS4 = "255";
         },
         std::nullopt},
        {"dns message before the ethernet one",
         [](TParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS2 = "x";
             p.Ethernet_IP1 = "x";
         },
         ParGenFailure{1148, "Eth_Conn_Primary_DNS2"}},
        {"two stop bits with no parity",
         [](TParGen& p) {
             p.MODBUS_SLAVE_STOPBITS = 1;
             p.MODBUS_SLAVE_PARITY = 0;
         },
         std::nullopt},
        {"two stop bits with even parity, before id and ip",
         [](TParGen& p) {
             p.MODBUS_SLAVE_STOPBITS = 1;
             p.MODBUS_SLAVE_PARITY = 2;
             p.MODBUS_SLAVE_IDDEVICE = "0";
             p.Ethernet_IP1 = "x";
         },
         ParGenFailure{515, "MODBUS_SLAVE_STOPBITS"}},
        {"two stop bits with odd parity",
         [](TParGen& p) {
             p.MODBUS_SLAVE_STOPBITS = 1;
             p.MODBUS_SLAVE_PARITY = 1;
         },
         ParGenFailure{515, "MODBUS_SLAVE_STOPBITS"}},
        {"the serial ports may have two stop bits with parity",
         [](TParGen& p) {
             p.RS232_STOP_BITS = 1;
             p.RS232_PARITY = 2;
         },
         std::nullopt},
        {"id 0", [](TParGen& p) { p.MODBUS_SLAVE_IDDEVICE = "0"; }, ParGenFailure{516, "MODBUS_SLAVE_IDDEVICE"}},
        {"id 1", [](TParGen& p) { p.MODBUS_SLAVE_IDDEVICE = "1"; }, std::nullopt},
        {"id 247", [](TParGen& p) { p.MODBUS_SLAVE_IDDEVICE = "247"; }, std::nullopt},
        {"id 248", [](TParGen& p) { p.MODBUS_SLAVE_IDDEVICE = "248"; }, ParGenFailure{516, "MODBUS_SLAVE_IDDEVICE"}},
        {"id empty, before ip",
         [](TParGen& p) {
             p.MODBUS_SLAVE_IDDEVICE = "";
             p.Ethernet_IP1 = "";
         },
         ParGenFailure{516, "MODBUS_SLAVE_IDDEVICE"}},
        {"ip 1", [](TParGen& p) { p.Ethernet_IP1 = "x"; }, ParGenFailure{544, "Ethernet_IP1"}},
        {"ip 2", [](TParGen& p) { p.Ethernet_IP2 = "256"; }, ParGenFailure{545, "Ethernet_IP2"}},
        {"ip 3 empty", [](TParGen& p) { p.Ethernet_IP3 = ""; }, ParGenFailure{546, "Ethernet_IP3"}},
        {"ip 4 256", [](TParGen& p) { p.Ethernet_IP4 = "256"; }, ParGenFailure{547, "Ethernet_IP4"}},
        {"ip 4 -1", [](TParGen& p) { p.Ethernet_IP4 = "-1"; }, ParGenFailure{547, "Ethernet_IP4"}},
        {"ip 4 255", [](TParGen& p) { p.Ethernet_IP4 = "255"; }, std::nullopt},
        {"ip before mask",
         [](TParGen& p) {
             p.Ethernet_IP4 = "x";
             p.Ethernet_SM1 = "x";
         },
         ParGenFailure{547, "Ethernet_IP4"}},
        {"mask 1", [](TParGen& p) { p.Ethernet_SM1 = "x"; }, ParGenFailure{548, "Ethernet_SM1"}},
        {"mask 2", [](TParGen& p) { p.Ethernet_SM2 = "x"; }, ParGenFailure{549, "Ethernet_SM2"}},
        {"mask 3", [](TParGen& p) { p.Ethernet_SM3 = "x"; }, ParGenFailure{550, "Ethernet_SM3"}},
        {"mask 4", [](TParGen& p) { p.Ethernet_SM4 = "x"; }, ParGenFailure{551, "Ethernet_SM4"}},
        {"zero address and mask",
         [](TParGen& p) {
             p.Ethernet_IP1 = p.Ethernet_IP2 = p.Ethernet_IP3 = p.Ethernet_IP4 = "0";
             p.Ethernet_SM1 = p.Ethernet_SM2 = p.Ethernet_SM3 = p.Ethernet_SM4 = "0";
         },
         std::nullopt},
        {"cable dhcp does not lift the address check",
         [](TParGen& p) {
             p.Eth_Conn_DHCP_Cable = true;
             p.Ethernet_IP1 = "x";
         },
         ParGenFailure{544, "Ethernet_IP1"}},
        {"gateway off ignores its bytes", [](TParGen& p) { p.Ethernet_GAT1 = "999"; }, std::nullopt},
        {"gateway 1",
         [](TParGen& p) {
             p.Ethernet_EN_GAT = true;
             p.Ethernet_GAT1 = "999";
         },
         ParGenFailure{552, "Ethernet_GAT1"}},
        {"gateway 2",
         [](TParGen& p) {
             p.Ethernet_EN_GAT = true;
             p.Ethernet_GAT2 = "";
         },
         ParGenFailure{553, "Ethernet_GAT2"}},
        {"gateway 3",
         [](TParGen& p) {
             p.Ethernet_EN_GAT = true;
             p.Ethernet_GAT3 = "a";
         },
         ParGenFailure{554, "Ethernet_GAT3"}},
        {"gateway 4 after mask",
         [](TParGen& p) {
             p.Ethernet_EN_GAT = true;
             p.Ethernet_GAT4 = "a";
             p.Ethernet_SM2 = "a";
         },
         ParGenFailure{549, "Ethernet_SM2"}},
        {"gateway 4",
         [](TParGen& p) {
             p.Ethernet_EN_GAT = true;
             p.Ethernet_GAT4 = "256";
         },
         ParGenFailure{555, "Ethernet_GAT4"}},
        {"device name and serial port are not checked",
         [](TParGen& p) {
             p.Eth_Conn_Device_Name = "";
             p.MODBUS_SLAVE_SERIAL = -1;
         },
         std::nullopt},
    };
    for (const ValidationCase& c : cases) {
        TParGen record = DefaultParGen();
        c.edit(record);
        EXPECT_EQ(Controllo_Dati(record), c.failure) << c.name;
    }
}

} // namespace
} // namespace birch

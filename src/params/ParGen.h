#pragma once

#include <string>

namespace birch {

// The device's communication parameters, one field per key of ParGen.xml under the key's name.
// Octets and the Modbus address stay texts so that validation can refuse what is not a number;
// baud, parity, stop-bit and port fields hold positions in the fixed lists of ParGenLists.h.
struct TParGen {
    std::string Eth_Conn_Device_Name;
    bool Eth_Conn_DHCP_Cable = false;
    bool Eth_Conn_DHCP_WiFi = false;
    bool Eth_Conn_Enable_DNS = false;
    std::string Eth_Conn_Primary_DNS1 = "8";
    std::string Eth_Conn_Primary_DNS2 = "8";
    std::string Eth_Conn_Primary_DNS3 = "8";
    std::string Eth_Conn_Primary_DNS4 = "8";
    std::string Eth_Conn_Secondary_DNS1 = "8";
    std::string Eth_Conn_Secondary_DNS2 = "8";
    std::string Eth_Conn_Secondary_DNS3 = "4";
    std::string Eth_Conn_Secondary_DNS4 = "4";

    bool RS232_ENABLE = true;
    int RS232_BAUDRATE = 2;
    int RS232_PARITY = 0;
    int RS232_STOP_BITS = 0;
    bool RS485_1_ENABLE = true;
    int RS485_1_BAUDRATE = 2;
    int RS485_1_PARITY = 0;
    int RS485_1_STOP_BITS = 0;
    bool RS485_2_ENABLE = true;
    int RS485_2_BAUDRATE = 2;
    int RS485_2_PARITY = 0;
    int RS485_2_STOP_BITS = 0;

    int MODBUS_SLAVE_SERIAL = 0;
    int MODBUS_SLAVE_BAUDRATE = 7;
    int MODBUS_SLAVE_PARITY = 0;
    int MODBUS_SLAVE_STOPBITS = 0;
    std::string MODBUS_SLAVE_IDDEVICE = "10";
    bool MODBUS_SLAVE_READ_INPUT_REGISTER = true;

    std::string Ethernet_IP1 = "192";
    std::string Ethernet_IP2 = "168";
    std::string Ethernet_IP3 = "0";
    std::string Ethernet_IP4 = "10";
    std::string Ethernet_SM1 = "255";
    std::string Ethernet_SM2 = "255";
    std::string Ethernet_SM3 = "255";
    std::string Ethernet_SM4 = "0";
    std::string Ethernet_GAT1 = "192";
    std::string Ethernet_GAT2 = "168";
    std::string Ethernet_GAT3 = "0";
    std::string Ethernet_GAT4 = "1";
    bool Ethernet_EN_GAT = false;

    bool operator==(const TParGen&) const = default;
};

// The record used when ParGen.xml or one of its keys is missing.
TParGen DefaultParGen();

} // namespace birch

#include "params/ParGenKeys.h"

namespace birch {

namespace {

constexpr ParGenKey flag(std::string_view name, bool TParGen::*field)
{
    return {name, ParGenKind::Flag, field};
}
constexpr ParGenKey text(std::string_view name, std::string TParGen::*field)
{
    return {name, ParGenKind::Text, field};
}
constexpr ParGenKey position(std::string_view name, ParGenKind kind, int TParGen::*field)
{
    return {name, kind, field};
}

} // namespace

const std::array<ParGenKey, 43> ParGenKeys = {
    text("Eth_Conn_Device_Name", &TParGen::Eth_Conn_Device_Name),
    flag("Eth_Conn_DHCP_Cable", &TParGen::Eth_Conn_DHCP_Cable),
    flag("Eth_Conn_DHCP_WiFi", &TParGen::Eth_Conn_DHCP_WiFi),
    flag("Eth_Conn_Enable_DNS", &TParGen::Eth_Conn_Enable_DNS),
    text("Eth_Conn_Primary_DNS1", &TParGen::Eth_Conn_Primary_DNS1),
    text("Eth_Conn_Primary_DNS2", &TParGen::Eth_Conn_Primary_DNS2),
    text("Eth_Conn_Primary_DNS3", &TParGen::Eth_Conn_Primary_DNS3),
    text("Eth_Conn_Primary_DNS4", &TParGen::Eth_Conn_Primary_DNS4),
    text("Eth_Conn_Secondary_DNS1", &TParGen::Eth_Conn_Secondary_DNS1),
    text("Eth_Conn_Secondary_DNS2", &TParGen::Eth_Conn_Secondary_DNS2),
    text("Eth_Conn_Secondary_DNS3", &TParGen::Eth_Conn_Secondary_DNS3),
    text("Eth_Conn_Secondary_DNS4", &TParGen::Eth_Conn_Secondary_DNS4),
    flag("RS232_ENABLE", &TParGen::RS232_ENABLE),
    position("RS232_BAUDRATE", ParGenKind::Baud, &TParGen::RS232_BAUDRATE),
    position("RS232_PARITY", ParGenKind::Parity, &TParGen::RS232_PARITY),
    position("RS232_STOP_BITS", ParGenKind::Stop, &TParGen::RS232_STOP_BITS),
    flag("RS485_1_ENABLE", &TParGen::RS485_1_ENABLE),
    position("RS485_1_BAUDRATE", ParGenKind::Baud, &TParGen::RS485_1_BAUDRATE),
    position("RS485_1_PARITY", ParGenKind::Parity, &TParGen::RS485_1_PARITY),
    position("RS485_1_STOP_BITS", ParGenKind::Stop, &TParGen::RS485_1_STOP_BITS),
    flag("RS485_2_ENABLE", &TParGen::RS485_2_ENABLE),
    position("RS485_2_BAUDRATE", ParGenKind::Baud, &TParGen::RS485_2_BAUDRATE),
    position("RS485_2_PARITY", ParGenKind::Parity, &TParGen::RS485_2_PARITY),
    position("RS485_2_STOP_BITS", ParGenKind::Stop, &TParGen::RS485_2_STOP_BITS),
    position("MODBUS_SLAVE_SERIAL", ParGenKind::Port, &TParGen::MODBUS_SLAVE_SERIAL),
    position("MODBUS_SLAVE_BAUDRATE", ParGenKind::Baud, &TParGen::MODBUS_SLAVE_BAUDRATE),
    position("MODBUS_SLAVE_PARITY", ParGenKind::Parity, &TParGen::MODBUS_SLAVE_PARITY),
    position("MODBUS_SLAVE_STOPBITS", ParGenKind::Stop, &TParGen::MODBUS_SLAVE_STOPBITS),
    text("MODBUS_SLAVE_IDDEVICE", &TParGen::MODBUS_SLAVE_IDDEVICE),
    flag("MODBUS_SLAVE_READ_INPUT_REGISTER", &TParGen::MODBUS_SLAVE_READ_INPUT_REGISTER),
    text("Ethernet_IP1", &TParGen::Ethernet_IP1),
    text("Ethernet_IP2", &TParGen::Ethernet_IP2),
    text("Ethernet_IP3", &TParGen::Ethernet_IP3),
    text("Ethernet_IP4", &TParGen::Ethernet_IP4),
    text("Ethernet_SM1", &TParGen::Ethernet_SM1),
    text("Ethernet_SM2", &TParGen::Ethernet_SM2),
    text("Ethernet_SM3", &TParGen::Ethernet_SM3),
    text("Ethernet_SM4", &TParGen::Ethernet_SM4),
    text("Ethernet_GAT1", &TParGen::Ethernet_GAT1),
    text("Ethernet_GAT2", &TParGen::Ethernet_GAT2),
    text("Ethernet_GAT3", &TParGen::Ethernet_GAT3),
    text("Ethernet_GAT4", &TParGen::Ethernet_GAT4),
    flag("Ethernet_EN_GAT", &TParGen::Ethernet_EN_GAT),
};

} // namespace birch

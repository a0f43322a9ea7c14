#include "params/Controllo_Dati.h"

#include "common/DecimalNumber.h"

#include <array>
#include <string>

namespace birch {

namespace {

// A text that is not a decimal integer counts as -1 and so fails every range.
bool inRange(const std::string& text, int low, int high)
{
    const int value = decimalOr(text, -1);
    return value >= low && value <= high;
}

// The first of four bytes outside 0..255 gives firstText plus its index.
std::optional<int> checkBytes(const std::array<const std::string*, 4>& bytes, int firstText)
{
    for (int i = 0; i < 4; ++i)
        if (!inRange(*bytes[static_cast<std::size_t>(i)], 0, 255))
            return firstText + i;
    return std::nullopt;
}

} // namespace

std::optional<int> Controllo_Dati(const TParGen& p)
{
    if (p.Eth_Conn_Enable_DNS) {
        if (auto failure = checkBytes({&p.Eth_Conn_Primary_DNS1, &p.Eth_Conn_Primary_DNS2, &p.Eth_Conn_Primary_DNS3,
                                       &p.Eth_Conn_Primary_DNS4},
                                      1147))
            return failure;
        if (auto failure = checkBytes({&p.Eth_Conn_Secondary_DNS1, &p.Eth_Conn_Secondary_DNS2,
                                       &p.Eth_Conn_Secondary_DNS3, &p.Eth_Conn_Secondary_DNS4},
                                      1151))
            return failure;
    }
    if (p.MODBUS_SLAVE_STOPBITS == 1 && p.MODBUS_SLAVE_PARITY > 0)
        return 515;
    if (!inRange(p.MODBUS_SLAVE_IDDEVICE, 1, 247))
        return 516;
    if (auto failure = checkBytes({&p.Ethernet_IP1, &p.Ethernet_IP2, &p.Ethernet_IP3, &p.Ethernet_IP4}, 544))
        return failure;
    if (auto failure = checkBytes({&p.Ethernet_SM1, &p.Ethernet_SM2, &p.Ethernet_SM3, &p.Ethernet_SM4}, 548))
        return failure;
    if (p.Ethernet_EN_GAT)
        if (auto failure = checkBytes({&p.Ethernet_GAT1, &p.Ethernet_GAT2, &p.Ethernet_GAT3, &p.Ethernet_GAT4}, 552))
            return failure;
    return std::nullopt;
}

} // namespace birch

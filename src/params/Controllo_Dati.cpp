#include "params/Controllo_Dati.h"

#include "common/DecimalNumber.h"
#include "params/ParGenKeys.h"

#include <array>
#include <string>
#include <variant>

namespace birch {

namespace {

using TextField = std::string TParGen::*;

// The file key of a field of the record.
template <typename T> std::string_view keyOf(T TParGen::*field)
{
    for (const ParGenKey& key : ParGenKeys)
        if (const auto* member = std::get_if<T TParGen::*>(&key.field); member != nullptr && *member == field)
            return key.name;
    return {};
}

// A text that is not a decimal integer counts as -1 and so fails every range.
bool inRange(const std::string& text, int low, int high)
{
    const int value = decimalOr(text, -1);
    return value >= low && value <= high;
}

// The first of four bytes outside 0..255 gives firstText plus its index.
std::optional<ParGenFailure> checkBytes(const TParGen& p, const std::array<TextField, 4>& bytes, int firstText)
{
    for (int i = 0; i < 4; ++i) {
        const TextField byte = bytes[static_cast<std::size_t>(i)];
        if (!inRange(p.*byte, 0, 255))
            return ParGenFailure{firstText + i, keyOf(byte)};
    }
    return std::nullopt;
}

} // namespace

std::optional<ParGenFailure> Controllo_Dati(const TParGen& p)
{
    if (p.Eth_Conn_Enable_DNS) {
        if (auto failure = checkBytes(p,
                                      {&TParGen::Eth_Conn_Primary_DNS1, &TParGen::Eth_Conn_Primary_DNS2,
                                       &TParGen::Eth_Conn_Primary_DNS3, &TParGen::Eth_Conn_Primary_DNS4},
                                      1147))
            return failure;
        if (auto failure = checkBytes(p,
                                      {&TParGen::Eth_Conn_Secondary_DNS1, &TParGen::Eth_Conn_Secondary_DNS2,
                                       &TParGen::Eth_Conn_Secondary_DNS3, &TParGen::Eth_Conn_Secondary_DNS4},
                                      1151))
            return failure;
    }
    // The stop bits are named: two of them are what the parity rules out.
    if (p.MODBUS_SLAVE_STOPBITS == 1 && p.MODBUS_SLAVE_PARITY > 0)
        return ParGenFailure{515, keyOf(&TParGen::MODBUS_SLAVE_STOPBITS)};
    if (!inRange(p.MODBUS_SLAVE_IDDEVICE, 1, 247))
        return ParGenFailure{516, keyOf(&TParGen::MODBUS_SLAVE_IDDEVICE)};
    if (auto failure = checkBytes(
            p, {&TParGen::Ethernet_IP1, &TParGen::Ethernet_IP2, &TParGen::Ethernet_IP3, &TParGen::Ethernet_IP4}, 544))
        return failure;
    if (auto failure = checkBytes(
            p, {&TParGen::Ethernet_SM1, &TParGen::Ethernet_SM2, &TParGen::Ethernet_SM3, &TParGen::Ethernet_SM4}, 548))
        return failure;
    if (p.Ethernet_EN_GAT)
        if (auto failure = checkBytes(
                p, {&TParGen::Ethernet_GAT1, &TParGen::Ethernet_GAT2, &TParGen::Ethernet_GAT3, &TParGen::Ethernet_GAT4},
                552))
            return failure;
    return std::nullopt;
}

} // namespace birch

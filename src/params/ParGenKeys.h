#pragma once

#include "params/ParGen.h"

#include <array>
#include <string_view>
#include <variant>

namespace birch {

// How a key's value is written and read back.
enum class ParGenKind {
    Flag,   // "1" / "0"; only the exact "1" reads as on
    Text,   // unchanged
    Baud,   // BaudList text at the position
    Parity, // ParityList text at the position
    Stop,   // StopBitsList text at the position
    Port    // the decimal position in SerialPortList
};

struct ParGenKey {
    std::string_view name;
    ParGenKind kind;
    std::variant<bool TParGen::*, std::string TParGen::*, int TParGen::*> field;
};

// The 43 keys of ParGen.xml in the order they are written.
extern const std::array<ParGenKey, 43> ParGenKeys;

} // namespace birch

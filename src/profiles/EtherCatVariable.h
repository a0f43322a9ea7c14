#pragma once

#include <cstddef>
#include <string>

namespace birch {

// One process variable of the EtherCAT slave, as its table row and its `row` element hold it:
// every value is the cell text unchanged.
struct EtherCatVariable {
    bool Enable = true;
    std::string Type;
    std::string Length;
    std::string Name;
    std::string InitValue; // slave-to-master variables only
    std::string Position;
    std::string BitStart;
    std::string Mnemonic;
};

// Data rows of each variables table.
inline constexpr std::size_t kVariableRows = 256;

// The device's internal data area, in bytes, where the variables are placed.
inline constexpr long long kDataAreaSize = 2000;

} // namespace birch

#pragma once

#include "common/TextPosition.h"

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// The Modbus table the master reads the data area from. The project files say only which
// function reads it; that two bytes of the area make one 16-bit register (register = byte div 2)
// is the configurator's assumption, stated wherever registers are shown.
enum class RegisterTable { Input, Holding };

inline constexpr int registerOf(int byte)
{
    return byte / 2;
}

// The conventional register number of a zero-based wire address: 30001 + address for input
// registers, 40001 + address for holding registers.
inline constexpr int conventionalNumber(RegisterTable table, int address)
{
    return (table == RegisterTable::Input ? 30001 : 40001) + address;
}

// How the project chooses the table: MODBUS_SLAVE_READ_INPUT_REGISTER of ParGen.xml read as the
// device image reads it, input registers exactly when the key holds "1".
struct RegisterTableLoad {
    enum class Status { Ok, Unreadable, Malformed };
    Status status = Status::Ok;
    RegisterTable table = RegisterTable::Holding;
    bool fileMissing = false;
    std::optional<std::string> keyText; // the key's text; nothing when the key or the file is missing
    std::string reason;                 // for Unreadable and Malformed
    TextPosition at = {};               // for Malformed: where the parser stopped

    bool ok() const { return status == Status::Ok; }
};

RegisterTableLoad loadRegisterTable(const std::filesystem::path& parGenFile);

// One line saying which table the numbers refer to and why, for report headers.
std::string registerTableNote(const RegisterTableLoad& load);

} // namespace birch

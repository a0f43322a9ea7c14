#pragma once

#include <array>
#include <string>
#include <string_view>

namespace birch {

struct IpAddressParts {
    bool valid = false;
    // The four parts as trimmed, leading zeros kept, for four separate boxes.
    std::array<std::string, 4> parts;
};

// Splits a dotted IPv4 text at its first three "." and checks that each part is a decimal
// number from 0 to 255. Never fails: anything else answers false.
IpAddressParts Valid_IP_Address(std::string_view text);

} // namespace birch

#pragma once

#include <string>

namespace birch {

// The device's 16 x 14 icon as the ESI file carries it: a Windows bitmap of 345 bytes written
// as 690 upper-case hexadecimal digits (starting with the signature "424D").
const std::string& Esi_Icon();

} // namespace birch

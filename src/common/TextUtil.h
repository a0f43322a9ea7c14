#pragma once

#include <string>
#include <string_view>

namespace birch {

// Removes every character whose code is 32 or less from both ends.
std::string_view trimControl(std::string_view text);
// Removes leading and trailing blanks (" ") only.
std::string_view trimBlanks(std::string_view text);
// ASCII upper-casing; other bytes (UTF-8 sequences included) are left alone.
std::string upperAscii(std::string_view text);
// Compares ignoring ASCII letter case.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool lessIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace birch

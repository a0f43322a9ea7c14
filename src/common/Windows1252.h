#pragma once

#include <string>
#include <string_view>

namespace birch {

// Decodes Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 code points of the same value.
std::string decodeWindows1252(std::string_view bytes);

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace birch

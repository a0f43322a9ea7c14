#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace birch {

// Decodes Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 code points of the same value.
std::string decodeWindows1252(std::string_view bytes);

// Where encoding stopped: a character the code page cannot hold, or bytes that are not UTF-8.
struct Windows1252Failure {
    std::size_t offset = 0;            // of `text` in the UTF-8 input
    std::optional<char32_t> codePoint; // nothing when the input is not valid UTF-8 there
    std::string text;                  // the character, or the invalid bytes, as found in the input
};

struct Windows1252Encoding {
    std::string bytes;
    std::optional<Windows1252Failure> failure;

    bool ok() const { return !failure.has_value(); }
};

// Encodes UTF-8 as Windows-1252, the inverse of decodeWindows1252 (the C1 code points of the
// five undefined bytes included). Fails at the first character the code page has no byte for
// and at the first byte that is not part of valid UTF-8 (overlong forms and surrogates included);
// the bytes are then empty.
Windows1252Encoding encodeWindows1252(std::string_view utf8);

// "U+2192 →" for a character (the code point alone for a control character), "0xE9" (each byte,
// blank-separated) for input that is not UTF-8.
std::string describeFailure(const Windows1252Failure& failure);

} // namespace birch

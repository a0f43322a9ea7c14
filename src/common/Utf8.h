#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace birch {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t codePoint);

// One step of strict UTF-8 decoding at `at` (shortest forms only, no surrogates, at most
// U+10FFFF): the code point and the bytes it took, or no code point and the length of the
// longest start of a valid sequence there (at least one byte), so that each invalid stretch is
// reported once.
struct Utf8Step {
    std::optional<char32_t> codePoint;
    std::size_t length = 1;
};
Utf8Step decodeUtf8At(std::string_view text, std::size_t at);

// `text` with every invalid stretch replaced by U+FFFD.
std::string sanitizeUtf8(std::string_view text);

} // namespace birch

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace birch {

// Reads "a decimal integer": an optional "-", then digits only, the whole text, within 32 bits.
// Anything else (blanks, "+", an empty text, overflow) is not a number.
std::optional<std::int32_t> parseDecimal(std::string_view text);

// The same, with the caller's fallback for "not a number".
std::int32_t decimalOr(std::string_view text, std::int32_t fallback);

} // namespace birch

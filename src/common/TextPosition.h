#pragma once

#include <cstddef>

namespace birch {

// A place in a text file: line and column from 1, the column counted in characters. Line 0 means
// the place is not known.
struct TextPosition {
    std::size_t line = 0;
    std::size_t column = 0;

    bool known() const { return line > 0; }
    bool operator==(const TextPosition&) const = default;
};

} // namespace birch

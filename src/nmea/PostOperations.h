#pragma once

#include <array>
#include <string>
#include <string_view>

namespace birch {

// The post-operations in device order: the position is the code stored in the image.
inline constexpr std::array<std::string_view, 9> PostOpe_SL = {
    "None", ": 10", ": 100", ": 1000", ": 10000", "x 10", "x 100", "x 1000", "x 10000",
};

// Position of `text` in PostOpe_SL (exact comparison), 0 when absent.
int GetIndexPostOperation(std::string_view text);

// `text` when it is an entry of PostOpe_SL (exact comparison), else the empty text.
std::string Get_PostOperatin(std::string_view text);

} // namespace birch

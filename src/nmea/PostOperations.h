#pragma once

#include <array>
#include <string_view>

namespace birch {

// The post-operations a rule may apply; the position is the code the device image stores.
// Not translated.
inline constexpr std::array<std::string_view, 9> PostOpe_SL = {"None", ": 10",  ": 100",  ": 1000", ": 10000",
                                                               "x 10", "x 100", "x 1000", "x 10000"};

// Position of `text` in PostOpe_SL (exact comparison), 0 when it is none of them.
inline int GetIndexPostOperation(std::string_view text)
{
    for (std::size_t i = 0; i < PostOpe_SL.size(); ++i)
        if (PostOpe_SL[i] == text)
            return static_cast<int>(i);
    return 0;
}

} // namespace birch

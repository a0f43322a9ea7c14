#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace birch {

struct DefaultText {
    int number;
    std::string_view text;
};

inline constexpr std::size_t kDefaultTextCount = 686;
extern const std::array<DefaultText, kDefaultTextCount> kDefaultTexts;

} // namespace birch

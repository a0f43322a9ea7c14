#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace birch {

// The colours of the rules in the data-area map, chosen to stay apart for the common kinds of
// colour blindness; the rules take them in row order, so neighbours always differ. Conflicts are
// drawn as hatching, free bytes plain white, so neither depends on telling colours apart.
inline constexpr std::array<std::uint32_t, 12> kRuleColours = {
    0xE69F00, 0x56B4E9, 0x009E73, 0xF0E442, 0x0072B2, 0xD55E00,
    0xCC79A7, 0x88CCEE, 0x44AA99, 0xDDCC77, 0xAA4499, 0x999933,
};

inline constexpr std::uint32_t ruleColour(std::size_t rule)
{
    return kRuleColours[rule % kRuleColours.size()];
}

} // namespace birch

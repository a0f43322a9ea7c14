#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace birch {

inline constexpr std::size_t kSentenceCount = 52;

// One data field of a sentence: its name (with the value kind in brackets) and its size in
// bytes in the device's data area.
struct TFieldSentence {
    std::string_view Field;
    std::int32_t Dimension;
};

struct CatalogEntry {
    std::string_view Name;
    bool Offered;
    std::span<const TFieldSentence> Fields;
};

// The sentences in device order; the sentence number is the position plus one.
extern const std::array<CatalogEntry, kSentenceCount> kCatalogData;

} // namespace birch

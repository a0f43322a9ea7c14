#pragma once

#include "lang/ExtraTextNumbers.h"

#include <array>
#include <string_view>

namespace birch {

// A keyword a template may hold, and the extra text that describes it.
struct TopicKeyword {
    std::string_view keyword;
    int description;
};

// Only what the device is known to replace in a template.
inline constexpr std::array<TopicKeyword, 1> kTopicKeywords = {{
    {"$VALUE$", ext::kMqttKeywordValue},
}};

} // namespace birch

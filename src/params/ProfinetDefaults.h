#pragma once

#include <string_view>

namespace birch {

// What the PROFINET group of the parameter window shows. The group has no stored keys, so the
// device works with these values, and the device description states them.
inline constexpr std::string_view kProfinetStationName = "devicename1";
inline constexpr int kProfinetInputBytes = 1438;

} // namespace birch

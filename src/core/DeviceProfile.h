#pragma once

namespace birch {

// The device family member a build is made for. Operations that differ by profile take it as a
// parameter, so every variant stays testable although only `Birch` is reachable in this build.
enum class DeviceProfile { Alder, Birch, Cedar, Damson, Elm };

inline constexpr DeviceProfile kDeviceProfile = DeviceProfile::Birch;

} // namespace birch

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace birch {

// The device family member a run is made for. Operations that differ by profile take it as a
// parameter, so every variant stays testable.
enum class DeviceProfile { Alder, Birch, Cedar, Damson, Elm };

inline constexpr std::array<DeviceProfile, 5> kDeviceProfiles = {
    DeviceProfile::Alder, DeviceProfile::Birch, DeviceProfile::Cedar, DeviceProfile::Damson, DeviceProfile::Elm};

// The build's default profile (the BIRCH_PROFILE build setting); `--profile` overrides it per run.
#ifdef BIRCH_DEFAULT_PROFILE
inline constexpr DeviceProfile kDefaultProfile = DeviceProfile::BIRCH_DEFAULT_PROFILE;
#else
inline constexpr DeviceProfile kDefaultProfile = DeviceProfile::Birch;
#endif

std::string_view profileName(DeviceProfile profile);

// The profile named `name`, ignoring letter case; nothing for any other text.
std::optional<DeviceProfile> parseProfile(std::string_view name);

// "Alder, Birch, Cedar, Damson, Elm": for messages that list the choices.
std::string profileNameList();

} // namespace birch

#include "core/DeviceProfile.h"

#include "common/TextUtil.h"

namespace birch {

std::string_view profileName(DeviceProfile profile)
{
    switch (profile) {
    case DeviceProfile::Alder:
        return "Alder";
    case DeviceProfile::Birch:
        return "Birch";
    case DeviceProfile::Cedar:
        return "Cedar";
    case DeviceProfile::Damson:
        return "Damson";
    case DeviceProfile::Elm:
        return "Elm";
    }
    return "Birch";
}

std::optional<DeviceProfile> parseProfile(std::string_view name)
{
    for (const DeviceProfile profile : kDeviceProfiles)
        if (equalsIgnoringAsciiCase(name, profileName(profile)))
            return profile;
    return std::nullopt;
}

std::string profileNameList()
{
    std::string list;
    for (const DeviceProfile profile : kDeviceProfiles) {
        if (!list.empty())
            list += ", ";
        list += profileName(profile);
    }
    return list;
}

} // namespace birch

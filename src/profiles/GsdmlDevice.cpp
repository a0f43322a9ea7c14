#include "profiles/GsdmlDevice.h"

#include "params/ProfinetDefaults.h"

namespace birch {

GsdmlDevice defaultGsdmlDevice()
{
    return {BIRCH_GSDML_VENDOR_NAME, BIRCH_GSDML_VENDOR_ID, BIRCH_GSDML_DEVICE_ID, std::string(kProfinetStationName),
            kProfinetInputBytes};
}

} // namespace birch

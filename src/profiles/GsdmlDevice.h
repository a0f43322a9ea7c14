#pragma once

#include <string>

namespace birch {

// The device a GSDML description describes.
struct GsdmlDevice {
    std::string vendorName;
    std::string vendorId;    // "0x" and 1 to 4 hexadecimal digits
    std::string deviceId;    // the same form
    std::string stationName; // the default name of station
    int inputBytes = 0;      // the input data the device sends the PLC
};

// The identity from the build settings (BIRCH_GSDML_VENDOR_NAME, BIRCH_GSDML_VENDOR_ID,
// BIRCH_GSDML_DEVICE_ID) with the PROFINET group's station name and byte count.
GsdmlDevice defaultGsdmlDevice();

} // namespace birch

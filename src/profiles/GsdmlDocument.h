#pragma once

#include "nmea/ObjectsMap.h"
#include "profiles/GsdmlDevice.h"

#include <string>

namespace birch {

// A GSDML V2.25 device description and what the user must know before it is written.
struct GsdmlDocument {
    std::string xml; // UTF-8 with its declaration
    int modules = 0;
    int mapBytes = 0;      // input bytes the objects map needs
    int inputBytes = 0;    // input bytes the device has
    int modulesBeyond = 0; // modules marked because their bytes end beyond inputBytes

    bool overLimit() const { return mapBytes > inputBytes; }
};

// The device with one access point and, as input data for the PLC, one module per rule of the
// objects map, so that the PLC programmer sees the map's bytes under the map's names.
GsdmlDocument Build_GSDML(const ObjectsMap& map, const GsdmlDevice& device);

} // namespace birch

#pragma once

#include "common/Windows1252.h"
#include "nmea/ObjectsMap.h"

#include <optional>
#include <string>

namespace birch {

inline constexpr const char* kObjectsMapHeader = "Byte; Sentence; Field; Serial; Mnemonic;";

// A listed rule whose texts the 8-bit code page cannot hold.
struct ObjectsMapEncodingError {
    int row = 0; // ObjectsMapRule::row
    Windows1252Failure failure;
};

struct ObjectsMapBytes {
    std::string bytes;
    std::optional<ObjectsMapEncodingError> error; // then no bytes

    bool ok() const { return !error.has_value(); }
};

// "b-b+1-...-b+size-1": every byte of a field, a one-byte field giving just b.
std::string byteList(const ObjectsMapField& field);

// The file's contents: the header, then one line per field of every rule, each line ended by
// CR LF, in Windows-1252 without a byte-order mark. Text the code page cannot hold is never
// replaced by something else: the first such rule fails the whole file.
ObjectsMapBytes objectsMapBytes(const ObjectsMap& map);

} // namespace birch

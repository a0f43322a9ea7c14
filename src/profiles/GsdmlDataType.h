#pragma once

#include <string_view>

namespace birch {

// How a field of the objects map is declared to the PLC: a GSDML data type, with a Length for
// the string types.
struct GsdmlDataType {
    std::string_view name;
    int length = 0; // bytes, for VisibleString and OctetString; 0 for the fixed-size types

    bool operator==(const GsdmlDataType&) const = default;
};

// From the value kind in brackets in the field's catalog text and the field's size: floating
// point of 4 or 8 bytes, decimal (unsigned) and "decimal +/-" (signed) of 1, 2, 4 or 8 bytes,
// characters and strings as VisibleString; anything else, or a size that does not fit the
// kind, as OctetString of the field's size, so the bytes stay where the map puts them.
GsdmlDataType gsdmlDataType(std::string_view fieldText, int size);

} // namespace birch

#include "profiles/GsdmlDataType.h"

#include <array>

namespace birch {

namespace {

// The text of the last "[...]" in the field's text, or nothing.
std::string_view valueKind(std::string_view fieldText)
{
    const auto close = fieldText.rfind(']');
    if (close == std::string_view::npos)
        return {};
    const auto open = fieldText.rfind('[', close);
    if (open == std::string_view::npos)
        return {};
    return fieldText.substr(open + 1, close - open - 1);
}

// The type of 1, 2, 4 or 8 bytes from `names`, or nothing for another size.
std::string_view bySize(int size, const std::array<std::string_view, 4>& names)
{
    switch (size) {
    case 1:
        return names[0];
    case 2:
        return names[1];
    case 4:
        return names[2];
    case 8:
        return names[3];
    default:
        return {};
    }
}

} // namespace

GsdmlDataType gsdmlDataType(std::string_view fieldText, int size)
{
    const std::string_view kind = valueKind(fieldText);
    std::string_view fixed;
    if (kind == "floating point")
        fixed = size == 4 ? "Float32" : size == 8 ? "Float64" : "";
    else if (kind == "decimal")
        fixed = bySize(size, {"Unsigned8", "Unsigned16", "Unsigned32", "Unsigned64"});
    else if (kind == "decimal +/-")
        fixed = bySize(size, {"Integer8", "Integer16", "Integer32", "Integer64"});
    else if (kind.starts_with("character") || kind.starts_with("string"))
        return {"VisibleString", size};
    if (!fixed.empty())
        return {fixed, 0};
    return {"OctetString", size};
}

} // namespace birch

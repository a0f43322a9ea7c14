#include "profiles/EtherCatTypes.h"

namespace birch {

std::optional<TypeLength> Type_Length(std::string_view type)
{
    if (type == "Bool" || type == "Int8" || type == "UInt8")
        return TypeLength{"1", false};
    if (type == "Int16" || type == "UInt16")
        return TypeLength{"2", false};
    if (type == "Int32" || type == "UInt32" || type == "Float32")
        return TypeLength{"4", false};
    if (type == "String" || type == "ByteString")
        return TypeLength{"10", true};
    return std::nullopt;
}

std::optional<int> Fixed_Type_Size(std::string_view type)
{
    if (type == "Int8" || type == "UInt8")
        return 1;
    if (type == "Int16" || type == "UInt16")
        return 2;
    if (type == "Int32" || type == "UInt32" || type == "Float32")
        return 4;
    return std::nullopt;
}

} // namespace birch

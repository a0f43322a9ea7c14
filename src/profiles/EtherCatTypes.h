#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace birch {

// The variable types the Type column offers, in the order offered (`VarType`).
inline constexpr std::array<std::string_view, 9> VarType = {"Bool",   "Int8",   "Int16",   "Int32", "UInt8",
                                                            "UInt16", "UInt32", "Float32", "String"};

// The Length a type sets and whether the user may change it.
struct TypeLength {
    std::string_view length;
    bool editable = false;
};

// The length rule of a type; "ByteString" is read from files and handled like "String". Any
// other text has no rule. Types are compared exactly.
std::optional<TypeLength> Type_Length(std::string_view type);

// Bytes a non-Bool variable of this type takes in the data area; nothing when its Length decides.
std::optional<int> Fixed_Type_Size(std::string_view type);

} // namespace birch

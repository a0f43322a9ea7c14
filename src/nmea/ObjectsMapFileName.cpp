#include "nmea/ObjectsMapFileName.h"

#include "common/TextUtil.h"

namespace birch {

std::string Objects_Map_File_Name(std::string_view chosen)
{
    constexpr std::string_view extension = ".csv";
    // In UTF-8 the last four characters are ".csv" exactly when the last four bytes are.
    if (chosen.size() >= extension.size() &&
        upperAscii(chosen.substr(chosen.size() - extension.size())) == upperAscii(extension))
        return std::string(chosen);
    return std::string(chosen) + std::string(extension);
}

} // namespace birch

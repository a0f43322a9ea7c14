#include "nmea/ObjectsMapText.h"

namespace birch {

namespace {
constexpr const char* kLineEnd = "\r\n";
} // namespace

std::string byteList(const ObjectsMapField& field)
{
    std::string list = std::to_string(field.firstByte);
    for (int byte = field.firstByte + 1; byte < field.firstByte + field.size; ++byte)
        list += "-" + std::to_string(byte);
    return list;
}

ObjectsMapBytes objectsMapBytes(const ObjectsMap& map)
{
    ObjectsMapBytes result;
    result.bytes = std::string(kObjectsMapHeader) + kLineEnd;
    for (const ObjectsMapRule& rule : map.rules) {
        std::string lines;
        for (const ObjectsMapField& field : rule.fields)
            lines += byteList(field) + ";" + rule.sentence + ";" + field.text + ";" + rule.serialChannel + ";" +
                     rule.mnemonic + ";" + kLineEnd;
        Windows1252Encoding encoded = encodeWindows1252(lines);
        if (!encoded.ok()) {
            result.bytes.clear();
            result.error = ObjectsMapEncodingError{rule.row, std::move(*encoded.failure)};
            return result;
        }
        result.bytes += encoded.bytes;
    }
    return result;
}

} // namespace birch

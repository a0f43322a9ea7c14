#pragma once

#include "common/TextPosition.h"
#include "nmea/Catalog.h"

#include <filesystem>
#include <string>
#include <vector>

namespace birch {

// One field of a listed rule and the bytes it occupies in the PROFINET array.
struct ObjectsMapField {
    std::string text; // the catalog's field text
    int firstByte = 0;
    int size = 0; // the field's Dimension
};

// One enabled rule whose sentence is a catalog name with fields: every field of its sentence,
// packed after the fields of the rules before it.
struct ObjectsMapRule {
    int row = 0;               // position of the rule among the children of NMEA_Listener, from 1
    std::string sentence;      // as read; equal to a catalog name
    std::string serialChannel; // as read
    std::string mnemonic;      // as read
    std::vector<ObjectsMapField> fields;
};

struct ObjectsMap {
    std::vector<ObjectsMapRule> rules;
    int byteCount = 0; // bytes taken by all listed fields
};

// The map of a rule file. A missing file is an empty map; a file that cannot be read or parsed
// gives no map and the reason.
struct ObjectsMapLoad {
    enum class Status { Ok, Unreadable, Malformed };
    Status status = Status::Ok;
    ObjectsMap map;
    std::string reason;
    TextPosition at = {}; // for Malformed: where the parser stopped

    bool ok() const { return status == Status::Ok; }
};

ObjectsMapLoad loadObjectsMap(const std::filesystem::path& ruleFile, const Catalog& catalog);

} // namespace birch

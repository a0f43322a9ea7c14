#pragma once

#include "common/TextPosition.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// One process-data entry of the ESI file: an enabled variable in file order.
struct TEtherCAT_Rule {
    std::string DataType;    // the ESI data type name
    std::int64_t Length = 0; // bits (the BitLen written)
    std::string Name;
};

// The entries of both directions and the bytes each occupies.
struct EsiProcessData {
    std::vector<TEtherCAT_Rule> SlaveToMaster; // the input PDOs
    std::vector<TEtherCAT_Rule> MasterToSlave; // the output PDOs
    std::int64_t InputBytes = 0;
    std::int64_t OutputBytes = 0;
};

// A variable's type (upper-cased and trimmed) as an ESI entry: BOOL "BIT" 1, INT8 "SINT" 8,
// INT16 "INT" 16, INT32 "DINT" 32, UINT8 "USINT" 8, UINT16 "UINT" 16, UINT32 "UDINT" 32,
// FLOAT32 "REAL" 32, STRING "STRING(n)" with 8 bits per byte of `length`; anything else "BIT" 1.
TEtherCAT_Rule Esi_Entry(std::string_view type, std::int64_t length, std::string name);

// Counts the bytes a list of entries occupies: a "BIT" entry opens a byte or joins the open bit
// group, whose ninth bit starts a new byte; any other entry closes the group and adds its
// variable's Length attribute.
class EsiByteCount {
public:
    void add(const TEtherCAT_Rule& entry, std::int64_t lengthAttribute);
    std::int64_t bytes() const { return bytes_; }

private:
    std::int64_t bytes_ = 0;
    int bits_ = 0; // bits of the open group; 0 when none is open
};

struct EsiProcessDataRead {
    // ElementMissing: EtherCAT_Slave_Variables or one of its two lists is not there.
    enum class Status { Ok, Unreadable, Malformed, ElementMissing };
    Status status = Status::Ok;
    EsiProcessData data;
    std::string missingElement; // for ElementMissing
    std::string reason;         // for Unreadable and Malformed
    TextPosition at = {};       // where the parser stopped in a Malformed file

    bool ok() const { return status == Status::Ok; }
};

// Reads EtherCAT_Slave.xml by the ESI writer's own rules, independent of the variables window:
// every row of both lists counts when its Enable is exactly "Y" (a missing Enable skips it);
// an empty type does not end a list; Length missing, not a number or negative counts 0.
// A missing file gives two empty lists.
EsiProcessDataRead Read_Esi_Process_Data(const std::filesystem::path& etherCatSlaveFile);

} // namespace birch

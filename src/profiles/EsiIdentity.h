#pragma once

#include "common/TextPosition.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace birch {

// Who the device is in its ESI file.
struct EsiIdentity {
    std::string Name = "EtherCAT Slave";
    std::int32_t Revision = 0;
    std::uint16_t StationAlias = 1;
};

struct EsiIdentityRead {
    enum class Status { Ok, Unreadable, Malformed };
    Status status = Status::Ok;
    EsiIdentity identity;
    std::string reason;   // for Unreadable and Malformed
    TextPosition at = {}; // where the parser stopped in a Malformed file

    bool ok() const { return status == Status::Ok; }
};

// Reads the identity from ParGen.xml (the document's first node is the root): the name as it
// stands, the revision and the station alias as strict decimal numbers. A missing file or
// element keeps the default; a revision that is not a number gives 0, an alias that is not one
// gives 1; the alias keeps its low 16 bits.
EsiIdentityRead Read_Esi_Identity(const std::filesystem::path& parGenFile);

} // namespace birch

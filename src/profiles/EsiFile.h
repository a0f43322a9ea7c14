#pragma once

#include "common/TextPosition.h"
#include "lang/ExtraTexts.h"
#include "platform/FileWriter.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace birch {

// What producing an ESI file came to. Anything but Ok means no file was written.
struct EsiOutcome {
    // ElementMissing: the variables file lacks EtherCAT_Slave_Variables or one of its lists.
    enum class Status { Ok, Unreadable, Malformed, ElementMissing, WriteFailed };
    Status status = Status::Ok;
    std::filesystem::path file; // the file concerned
    std::string reason;         // the system's or parser's reason, or the missing element
    TextPosition at = {};       // where the parser stopped in a Malformed file
    std::string text;           // the file's bytes, once generated
    std::size_t inputs = 0;     // entries of each direction
    std::size_t outputs = 0;

    bool ok() const { return status == Status::Ok; }
};

// Generates the ESI file's bytes from the project's ParGen.xml and EtherCAT_Slave.xml, as they
// are on disk; writes nothing.
EsiOutcome Generate_Esi(const std::filesystem::path& parGenFile, const std::filesystem::path& etherCatSlaveFile);

// Generates and writes it to `target` through `writer`; on any failure the target is untouched.
EsiOutcome Save_Esi(const std::filesystem::path& parGenFile, const std::filesystem::path& etherCatSlaveFile,
                    const std::filesystem::path& target, FileWriter& writer);

// Why no ESI file was written, naming the file (and on a second line the reason).
std::string Esi_Failure_Message(const ExtraTexts& texts, const EsiOutcome& outcome);

} // namespace birch

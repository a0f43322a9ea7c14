#pragma once

#include "common/TextPosition.h"
#include "platform/FileWriter.h"
#include "profiles/EtherCatVariable.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace birch {

// What the variables window read from EtherCAT_Slave.xml.
struct EtherCatSlaveLoad {
    // ElementMissing: EtherCAT_Slave_Variables or one of its two lists is not there; the lists
    // before it were read. Unreadable, Malformed: nothing was read.
    enum class Status { Missing, Ok, Unreadable, Malformed, ElementMissing };
    Status status = Status::Missing;
    std::vector<EtherCatVariable> SlaveToMaster; // at most kVariableRows each
    std::vector<EtherCatVariable> MasterToSlave;
    std::size_t notLoaded = 0;         // rows of either list beyond the table's last row
    std::size_t masterToSlaveRows = 0; // rows the master-to-slave list holds; saving drops them
    std::string missingElement;        // for ElementMissing
    std::string reason;                // for Unreadable and Malformed
    TextPosition at = {};              // where the parser stopped in a Malformed file

    // The file holds something the window cannot show whole: keep it before replacing it.
    bool damaged() const
    {
        return status == Status::Unreadable || status == Status::Malformed || status == Status::ElementMissing;
    }
};

// Reads the two lists row by row (children by position, whatever their kind): a missing Enable
// ticks the box, which only the exact "N" clears; any other missing value is an empty text.
EtherCatSlaveLoad loadEtherCatSlaveFile(const std::filesystem::path& file);

// The whole file: root EtherCAT_Slave, the SW_VERSION comment after it, the slave-to-master
// variables with their eight attributes in order, and an empty master-to-slave list.
std::string etherCatSlaveDocument(const std::vector<EtherCatVariable>& slaveToMaster);

struct EtherCatSlaveSave {
    enum class Status { Saved, BackupFailed, WriteFailed };
    Status status = Status::Saved;
    std::string reason;

    bool ok() const { return status == Status::Saved; }
};

// Writes the file whole through `writer`. With `keepDamaged` the file on disk is first kept as
// a backup; when that fails nothing is written.
EtherCatSlaveSave saveEtherCatSlaveFile(const std::filesystem::path& file,
                                        const std::vector<EtherCatVariable>& slaveToMaster, FileWriter& writer,
                                        bool keepDamaged);

} // namespace birch

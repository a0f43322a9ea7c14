#pragma once

#include "nmea/Catalog.h"
#include "nmea/Rule.h"
#include "platform/FileWriter.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace birch {

// The rules read from NMEA_0183_Set_Access.xml, each value accepted or replaced by its fallback.
struct RuleFileLoad {
    // NoListener, Unreadable and Malformed: the file exists but no rule could be taken from it.
    enum class Status { Missing, Ok, NoListener, Unreadable, Malformed };
    Status status = Status::Missing;
    RuleTable rules{};
    std::size_t notLoaded = 0; // rules beyond the table's last row
    std::string reason;        // why an Unreadable or Malformed file was not read

    // The file holds something the user has not seen in the table: keep it before replacing it.
    bool damaged() const
    {
        return status == Status::NoListener || status == Status::Unreadable || status == Status::Malformed;
    }
};

// Loads the rule file: the children of NMEA_Listener by position, whatever their kind, fill the
// rows from the first; a value that is not offered (channel, sentence, field, post-operation)
// loads as an empty cell. Positions are not recomputed and nothing is validated.
RuleFileLoad loadRuleFile(const std::filesystem::path& file, const Catalog& catalog,
                          const std::vector<std::string>& offeredChannels);

// The file's bytes for a table: the rows up to the first one without a sentence.
std::string ruleDocument(const RuleTable& rules);

struct RuleFileSave {
    enum class Status { Saved, BackupFailed, WriteFailed };
    Status status = Status::Saved;
    std::string reason;

    bool ok() const { return status == Status::Saved; }
};

// Writes the rule file whole through `writer`. With `keepDamaged` the file on disk is first
// kept as a backup; when that fails nothing is written.
RuleFileSave saveRuleFile(const std::filesystem::path& file, const RuleTable& rules, FileWriter& writer,
                          bool keepDamaged);

} // namespace birch

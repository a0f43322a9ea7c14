#pragma once

#include "nmea/Catalog.h"
#include "nmea/ListenerFile.h"
#include "nmea/Rule.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace birch {

// The rules read from NMEA_0183_Set_Access.xml, each value accepted or replaced by its fallback.
struct RuleFileLoad : ListenerFileLoad {
    RuleTable rules{};
};

using RuleFileSave = ListenerFileSave;

// Loads the rule file: the children of NMEA_Listener by position, whatever their kind, fill the
// rows from the first; a value that is not offered (channel, sentence, field, post-operation)
// loads as an empty cell. Positions are not recomputed and nothing is validated.
RuleFileLoad loadRuleFile(const std::filesystem::path& file, const Catalog& catalog,
                          const std::vector<std::string>& offeredChannels);

// The file's bytes for a table: the rows up to the first one without a sentence.
std::string ruleDocument(const RuleTable& rules);

// Writes the rule file whole through `writer`. With `keepDamaged` the file on disk is first
// kept as a backup; when that fails nothing is written.
RuleFileSave saveRuleFile(const std::filesystem::path& file, const RuleTable& rules, FileWriter& writer,
                          bool keepDamaged);

} // namespace birch

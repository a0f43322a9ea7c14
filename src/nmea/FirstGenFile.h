#pragma once

#include "nmea/Catalog.h"
#include "nmea/FirstGenRule.h"
#include "nmea/ListenerFile.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace birch::firstgen {

// Written after the root: the version of the file's first-generation form.
inline constexpr std::string_view kVersionComment = "SW_VERSION = 1.007";

struct FileLoad : ListenerFileLoad {
    RuleTable rules{};
};

// Loads NMEA_0183_Set_Access.xml without checking values against the lists: Enable as read
// ("Y" when missing), Sentence trimmed, Index trimmed and only for a sentence that takes one,
// Serial_Channel through Get_Serial_Channel, Mnemonic as read. Attributes of the rule editor
// are ignored.
FileLoad loadFile(const std::filesystem::path& file, const Catalog& catalog);

// The file's bytes: the rows up to the first one without a sentence, each with Enable,
// Sentence, Index (empty unless the sentence takes one), Serial_Channel and Mnemonic.
std::string document(const RuleTable& rules, const Catalog& catalog);

// Writes the file whole through `writer`; with `keepDamaged` the file on disk is kept as a
// backup first, and nothing is written when that fails.
ListenerFileSave saveFile(const std::filesystem::path& file, const RuleTable& rules, const Catalog& catalog,
                          FileWriter& writer, bool keepDamaged);

} // namespace birch::firstgen

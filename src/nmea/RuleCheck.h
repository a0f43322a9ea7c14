#pragma once

#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "nmea/Catalog.h"

#include <filesystem>
#include <string>

namespace birch {

// The outcome of checking a project's rule file as OK in the rule editor would.
struct RuleCheckResult {
    enum class Outcome { Passed, Invalid, FileError };
    Outcome outcome = Outcome::Passed;
    std::string message; // the first failure with its row prefix, or what is wrong with the file
};

// Loads `NMEA_0183_Set_Access.xml` of the project with the channels its ParGen.xml offers and
// validates it. A missing rule file passes; one that cannot be read, parsed or holds no
// NMEA_Listener is a file error; more rules than the table holds, or a rule that validation
// refuses, is invalid.
RuleCheckResult checkRuleFile(const std::filesystem::path& projectDir, const TextList& texts, const ExtraTexts& extra,
                              const Catalog& catalog);

} // namespace birch

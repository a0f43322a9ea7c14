#pragma once

#include "nmea/Catalog.h"
#include "nmea/ListenerFile.h"
#include "nmea/Rule.h"

#include <filesystem>

namespace birch {

// A project's rules as the reports read them: the table's first 100 rows of the rule file, a
// rule enabled only when its Enable is exactly "Y" (as the device image takes it), sentence and
// data field accepted as the rule editor accepts them, every other value as written.
struct ProjectRulesLoad : ListenerFileLoad {
    RuleTable rules{};
};

ProjectRulesLoad loadProjectRules(const std::filesystem::path& ruleFile, const Catalog& catalog);

} // namespace birch

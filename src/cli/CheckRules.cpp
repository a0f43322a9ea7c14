#include "cli/CheckRules.h"

#include "nmea/Catalog.h"
#include "nmea/RuleCheck.h"

namespace birch::cli {

CheckResult checkRules(const std::filesystem::path& projectDir, const CliTexts& texts)
{
    const RuleCheckResult result = checkRuleFile(projectDir, texts.table, texts.extra, Catalog::Init_NMEA0183_Map());
    switch (result.outcome) {
    case RuleCheckResult::Outcome::Passed:
        return {CheckResult::Status::Valid, {}};
    case RuleCheckResult::Outcome::Invalid:
        return {CheckResult::Status::Invalid, result.message};
    case RuleCheckResult::Outcome::FileError:
        return {CheckResult::Status::FileError, result.message};
    }
    return {CheckResult::Status::FileError, result.message};
}

} // namespace birch::cli

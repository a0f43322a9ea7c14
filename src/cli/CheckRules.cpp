#include "cli/CheckRules.h"

#include "cli/ExitCodes.h"
#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "nmea/Catalog.h"
#include "nmea/RuleCheck.h"

namespace birch::cli {

RuleCheck checkRules(const std::filesystem::path& projectDir)
{
    TextList texts;
    Load_Default_Texts(texts);
    const RuleCheckResult result = checkRuleFile(projectDir, texts, ExtraTexts(), Catalog::Init_NMEA0183_Map());
    switch (result.outcome) {
    case RuleCheckResult::Outcome::Passed:
        return {kSuccess, {}};
    case RuleCheckResult::Outcome::Invalid:
        return {kInvalidContent, result.message};
    case RuleCheckResult::Outcome::FileError:
        return {kFileError, result.message};
    }
    return {kFileError, result.message};
}

} // namespace birch::cli

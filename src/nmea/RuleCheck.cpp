#include "nmea/RuleCheck.h"

#include "core/ProjectFiles.h"
#include "nmea/RuleFile.h"
#include "nmea/RuleMessages.h"
#include "nmea/RuleValidation.h"
#include "nmea/SerialChannels.h"

namespace birch {

RuleCheckResult checkRuleFile(const std::filesystem::path& projectDir, const TextList& texts, const ExtraTexts& extra,
                              const Catalog& catalog)
{
    const auto file = projectDir / kRuleFileName;
    const auto channels = SerialChannel_SL(Enable_Serial(projectDir / kParGenFileName));
    const RuleFileLoad load = loadRuleFile(file, catalog, channels);
    RuleCheckResult result;
    // A check replaces nothing, so it never speaks of a backup.
    if (const auto message = loadMessage(extra, load, file, false)) {
        result.outcome = load.damaged() ? RuleCheckResult::Outcome::FileError : RuleCheckResult::Outcome::Invalid;
        result.message = *message;
        return result;
    }
    if (const auto failure = Controllo_dati(catalog, load.rules)) {
        result.outcome = RuleCheckResult::Outcome::Invalid;
        result.message = failureText(texts, *failure);
    }
    return result;
}

} // namespace birch

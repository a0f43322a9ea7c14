#include "cli/CheckMqttTopics.h"

#include "profiles/MqttTopicCheck.h"

namespace birch::cli {

CheckResult checkMqttTopics(const std::filesystem::path& projectDir, const CliTexts& texts)
{
    const MqttTopicCheckResult result = checkMqttTopicFile(projectDir, texts.table, texts.extra);
    switch (result.outcome) {
    case MqttTopicCheckResult::Outcome::Passed:
        return {CheckResult::Status::Valid, {}};
    case MqttTopicCheckResult::Outcome::Invalid:
        return {CheckResult::Status::Invalid, result.message};
    case MqttTopicCheckResult::Outcome::FileError:
        return {CheckResult::Status::FileError, result.message};
    }
    return {CheckResult::Status::FileError, result.message};
}

} // namespace birch::cli

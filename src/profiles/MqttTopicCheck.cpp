#include "profiles/MqttTopicCheck.h"

#include "core/ProjectFiles.h"
#include "profiles/MqttTopicFile.h"
#include "profiles/MqttTopicGrid.h"
#include "profiles/MqttTopicMessages.h"

namespace birch {

MqttTopicCheckResult checkMqttTopicFile(const std::filesystem::path& projectDir, const TextList& texts,
                                        const ExtraTexts& extra)
{
    const auto file = projectDir / kMqttTopicFileName;
    const MqttTopicLoad load = loadMqttTopicFile(file);
    MqttTopicCheckResult result;
    if (const auto message = mqttLoadMessage(extra, load, file, false)) {
        const bool unusable =
            load.status == MqttTopicLoad::Status::Unreadable || load.status == MqttTopicLoad::Status::Malformed;
        result.outcome = unusable ? MqttTopicCheckResult::Outcome::FileError : MqttTopicCheckResult::Outcome::Invalid;
        result.message = *message;
        return result;
    }
    GridModel publish = makeMqttPublishGrid();
    GridModel subscribe = makeMqttSubscribeGrid();
    fillMqttGrids(publish, subscribe, load);
    const MqttOkJudgement judgement = judgeMqttTables(texts, extra, publish, subscribe, kMqttByteIn, kMqttByteOut);
    if (judgement.outcome != MqttOkJudgement::Outcome::Valid) {
        result.outcome = MqttTopicCheckResult::Outcome::Invalid;
        result.message = judgement.message;
    }
    return result;
}

} // namespace birch

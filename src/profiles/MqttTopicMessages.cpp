#include "profiles/MqttTopicMessages.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "profiles/MqttTopicValidation.h"

#include <vector>

namespace birch {

namespace {

std::string stopText(const ExtraTexts& extra, const MqttTopicLoad& load, const std::filesystem::path& file)
{
    const std::string list = mqttListElement(load.stoppedIn);
    const std::string where = load.stoppedAtRow == 0
                                  ? extra[ext::kMqttNoListElement] + list
                                  : extra[ext::kMqttStoppedAtRow] + std::to_string(load.stoppedAtRow) +
                                        extra[ext::kMqttStoppedInList] + list + extra[ext::kMqttRowLacksAttribute] +
                                        load.missingAttribute;
    return where + extra[ext::kMqttLoadedUpToThere] + file.string();
}

std::string notLoadedText(const ExtraTexts& extra, const MqttTopicLoad& load, const std::filesystem::path& file)
{
    std::vector<std::string> counts;
    if (load.publishNotLoaded > 0)
        counts.push_back(std::string(mqttListElement(MqttList::Publish)) + " " + std::to_string(load.publishNotLoaded));
    if (load.subscribeNotLoaded > 0)
        counts.push_back(std::string(mqttListElement(MqttList::Subscribe)) + " " +
                         std::to_string(load.subscribeNotLoaded));
    std::string text = extra[ext::kMqttRowsNotLoaded];
    for (std::size_t i = 0; i < counts.size(); ++i)
        text += (i == 0 ? "" : ", ") + counts[i];
    return text + extra[ext::kMqttRowsDroppedOnSave] + file.string();
}

} // namespace

std::optional<std::string> mqttLoadMessage(const ExtraTexts& extra, const MqttTopicLoad& load,
                                           const std::filesystem::path& file, bool editing)
{
    std::vector<std::string> lines;
    switch (load.status) {
    case MqttTopicLoad::Status::Missing:
    case MqttTopicLoad::Status::Ok:
        break;
    case MqttTopicLoad::Status::Unreadable:
        return describe(extra, FileNotice{ext::kFileCannotBeRead, file, load.reason, editing});
    case MqttTopicLoad::Status::Malformed:
        return describe(extra, FileNotice{ext::kFileCannotBeParsed, file, load.reason, editing, load.at});
    case MqttTopicLoad::Status::Incomplete:
        lines.push_back(stopText(extra, load, file));
        break;
    }
    if (load.publishNotLoaded > 0 || load.subscribeNotLoaded > 0)
        lines.push_back(notLoadedText(extra, load, file));
    if (lines.empty())
        return std::nullopt;
    std::string message = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i)
        message += "\n" + lines[i];
    return message;
}

std::string mqttSaveMessage(const ExtraTexts& extra, const MqttTopicSave& save, const std::filesystem::path& file)
{
    const int text =
        save.status == MqttTopicSave::Status::BackupFailed ? ext::kMqttBackupFailed : ext::kFileCannotBeWritten;
    return describe(extra, FileNotice{text, file, save.reason});
}

MqttOkJudgement judgeMqttTables(const TextList& texts, const ExtraTexts& extra, const GridModel& publish,
                                const GridModel& subscribe, int Byte_IN, int Byte_OUT)
{
    const auto failure = Controllo_dati(publish, subscribe, Byte_IN, Byte_OUT);
    if (!failure)
        return {};
    if (failure->list == MqttList::Subscribe)
        return {MqttOkJudgement::Outcome::InvalidHiddenSubscribe,
                failureText(texts, *failure) + "\n" + extra[ext::kMqttHiddenSubscribeRow]};
    return {MqttOkJudgement::Outcome::Invalid, failureText(texts, *failure)};
}

std::string subscribeDropNotice(const ExtraTexts& extra, std::size_t subscribeRows)
{
    return extra[ext::kMqttSubscribeRowsInFile] + std::to_string(subscribeRows) + extra[ext::kMqttSubscribeNotSaved];
}

} // namespace birch

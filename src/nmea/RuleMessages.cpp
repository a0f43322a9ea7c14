#include "nmea/RuleMessages.h"

#include "lang/ExtraTextNumbers.h"

namespace birch {

namespace {
// The text, the file, and on a second line the system's reason.
std::string withReason(const std::string& text, const std::filesystem::path& file, const std::string& reason)
{
    return text + file.string() + "\n" + reason;
}
} // namespace

std::optional<std::string> loadMessage(const ExtraTexts& extra, const ListenerFileLoad& load,
                                       const std::filesystem::path& file)
{
    const std::string kept = "\n" + extra[ext::kFileKeptAsBackup] + file.string();
    switch (load.status) {
    case ListenerFileLoad::Status::Missing:
        return std::nullopt;
    case ListenerFileLoad::Status::NoListener:
        return extra[ext::kRuleFileNoListener] + file.string() + kept;
    case ListenerFileLoad::Status::Unreadable:
        return withReason(extra[ext::kFileCannotBeRead], file, load.reason) + kept;
    case ListenerFileLoad::Status::Malformed:
        return withReason(extra[ext::kFileCannotBeParsed], file, load.reason) + kept;
    case ListenerFileLoad::Status::Ok:
        break;
    }
    if (load.notLoaded == 0)
        return std::nullopt;
    return extra[ext::kRulesNotLoaded] + std::to_string(load.notLoaded) + extra[ext::kRulesDroppedOnSave] +
           file.string();
}

std::string saveMessage(const ExtraTexts& extra, const ListenerFileSave& save, const std::filesystem::path& file)
{
    const int text =
        save.status == ListenerFileSave::Status::BackupFailed ? ext::kRuleFileBackupFailed : ext::kFileCannotBeWritten;
    return withReason(extra[text], file, save.reason);
}

std::string rowsNotSavedQuestion(const ExtraTexts& extra, const UnsavedRows& unsaved)
{
    std::string rows;
    for (const int row : unsaved.rows)
        rows += (rows.empty() ? "" : ", ") + std::to_string(row);
    return extra[ext::kRowsNotSavedBelow] + std::to_string(unsaved.firstWithoutSentence) +
           extra[ext::kRowsNotSavedList] + rows + extra[ext::kRowsNotSavedQuestion];
}

} // namespace birch

#include "nmea/RuleMessages.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"

namespace birch {

std::optional<std::string> loadMessage(const ExtraTexts& extra, const ListenerFileLoad& load,
                                       const std::filesystem::path& file, bool editing)
{
    switch (load.status) {
    case ListenerFileLoad::Status::Missing:
        return std::nullopt;
    case ListenerFileLoad::Status::NoListener:
        return describe(extra, FileNotice{ext::kRuleFileNoListener, file, {}, editing});
    case ListenerFileLoad::Status::Unreadable:
        return describe(extra, FileNotice{ext::kFileCannotBeRead, file, load.reason, editing});
    case ListenerFileLoad::Status::Malformed:
        return describe(extra, FileNotice{ext::kFileCannotBeParsed, file, load.reason, editing, load.at});
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
    return describe(extra, FileNotice{text, file, save.reason});
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

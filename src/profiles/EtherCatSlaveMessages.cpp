#include "profiles/EtherCatSlaveMessages.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"

namespace birch {

std::string Delete_Row_Question(const std::string& text, int row)
{
    std::string question = text;
    if (const auto at = question.find("%d"); at != std::string::npos)
        question.replace(at, 2, std::to_string(row));
    return question;
}

std::optional<std::string> Variables_Load_Message(const ExtraTexts& texts, const EtherCatSlaveLoad& load,
                                                  const std::filesystem::path& file)
{
    std::vector<std::string> parts;
    switch (load.status) {
    case EtherCatSlaveLoad::Status::Unreadable:
        parts.push_back(describe(texts, FileNotice{ext::kFileCannotBeRead, file, load.reason, true}));
        break;
    case EtherCatSlaveLoad::Status::Malformed:
        parts.push_back(describe(texts, FileNotice{ext::kFileCannotBeParsed, file, load.reason, true, load.at}));
        break;
    case EtherCatSlaveLoad::Status::ElementMissing:
        parts.push_back(describe(texts, FileNotice{ext::kEtherCatElementMissing, file, load.missingElement, true}));
        break;
    case EtherCatSlaveLoad::Status::Missing:
    case EtherCatSlaveLoad::Status::Ok:
        break;
    }
    if (load.notLoaded > 0)
        parts.push_back(texts[ext::kEtherCatRowsNotLoaded] + std::to_string(load.notLoaded) +
                        texts[ext::kEtherCatRowsDroppedOnSave] + file.string());
    if (parts.empty())
        return std::nullopt;
    std::string message = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        message += "\n" + parts[i];
    return message;
}

std::string Variables_Save_Message(const ExtraTexts& texts, const EtherCatSlaveSave& save,
                                   const std::filesystem::path& file)
{
    const int text =
        save.status == EtherCatSlaveSave::Status::BackupFailed ? ext::kEtherCatBackupFailed : ext::kFileCannotBeWritten;
    return describe(texts, FileNotice{text, file, save.reason});
}

std::string Past_Data_Area_Text(const ExtraTexts& texts, const std::vector<int>& rows)
{
    std::string text = texts[ext::kEtherCatPastDataArea];
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += (i == 0 ? "" : ", ") + std::to_string(rows[i]);
    return text;
}

std::string Past_Data_Area_Warning(const ExtraTexts& texts, const std::vector<int>& rows)
{
    return Past_Data_Area_Text(texts, rows) + "\n" + texts[ext::kEtherCatSavedAsTheyAre];
}

std::string Master_To_Slave_Question(const ExtraTexts& texts, std::size_t rows)
{
    return texts[ext::kEtherCatMasterToSlaveDropped] + std::to_string(rows) + "\n" + texts[ext::kEtherCatSaveAnyway];
}

} // namespace birch

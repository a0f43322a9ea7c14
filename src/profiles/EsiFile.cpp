#include "profiles/EsiFile.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "profiles/EsiIdentity.h"
#include "profiles/EsiProcessData.h"
#include "profiles/EsiTemplate.h"

namespace birch {

EsiOutcome Generate_Esi(const std::filesystem::path& parGenFile, const std::filesystem::path& etherCatSlaveFile)
{
    EsiOutcome outcome;
    const EsiIdentityRead identity = Read_Esi_Identity(parGenFile);
    if (!identity.ok()) {
        outcome.status = identity.status == EsiIdentityRead::Status::Unreadable ? EsiOutcome::Status::Unreadable
                                                                                : EsiOutcome::Status::Malformed;
        outcome.file = parGenFile;
        outcome.reason = identity.reason;
        outcome.at = identity.at;
        return outcome;
    }
    const EsiProcessDataRead read = Read_Esi_Process_Data(etherCatSlaveFile);
    outcome.file = etherCatSlaveFile;
    switch (read.status) {
    case EsiProcessDataRead::Status::Unreadable:
        outcome.status = EsiOutcome::Status::Unreadable;
        outcome.reason = read.reason;
        return outcome;
    case EsiProcessDataRead::Status::Malformed:
        outcome.status = EsiOutcome::Status::Malformed;
        outcome.reason = read.reason;
        outcome.at = read.at;
        return outcome;
    case EsiProcessDataRead::Status::ElementMissing:
        outcome.status = EsiOutcome::Status::ElementMissing;
        outcome.reason = read.missingElement;
        return outcome;
    case EsiProcessDataRead::Status::Ok:
        break;
    }
    outcome.text = Esi_File_Text(Esi_Lines(identity.identity, read.data));
    outcome.inputs = read.data.SlaveToMaster.size();
    outcome.outputs = read.data.MasterToSlave.size();
    return outcome;
}

EsiOutcome Save_Esi(const std::filesystem::path& parGenFile, const std::filesystem::path& etherCatSlaveFile,
                    const std::filesystem::path& target, FileWriter& writer)
{
    EsiOutcome outcome = Generate_Esi(parGenFile, etherCatSlaveFile);
    if (!outcome.ok())
        return outcome;
    outcome.file = target;
    if (const auto error = writer.write(target, outcome.text)) {
        outcome.status = EsiOutcome::Status::WriteFailed;
        outcome.reason = error->reason;
    }
    return outcome;
}

std::string Esi_Failure_Message(const ExtraTexts& texts, const EsiOutcome& outcome)
{
    int text = ext::kFileCannotBeWritten;
    switch (outcome.status) {
    case EsiOutcome::Status::Unreadable:
        text = ext::kEsiSourceUnreadable;
        break;
    case EsiOutcome::Status::Malformed:
        text = ext::kEsiSourceMalformed;
        break;
    case EsiOutcome::Status::ElementMissing:
        text = ext::kEsiElementMissing;
        break;
    case EsiOutcome::Status::WriteFailed:
    case EsiOutcome::Status::Ok:
        break;
    }
    return describe(texts, FileNotice{text, outcome.file, outcome.reason, false, outcome.at});
}

} // namespace birch

#include "image/BankStep.h"

#include "common/FileRead.h"
#include "core/AppState.h"
#include "image/Compile_Bank.h"
#include "image/Save_Bank.h"
#include "nmea/Catalog.h"

#include <optional>

namespace birch {

namespace {

struct Source {
    std::optional<std::string> bytes;
    std::optional<BankStepOutcome> failure;
};

Source readSource(const std::filesystem::path& file)
{
    Source source;
    FileReadResult read = readFileForParsing(file);
    if (read.ok())
        source.bytes = std::move(read.bytes);
    else if (!read.missing())
        source.failure = BankStepOutcome{BankStepOutcome::Status::Unreadable, file, read.reason};
    return source;
}

std::optional<std::string_view> view(const Source& source)
{
    if (!source.bytes)
        return std::nullopt;
    return std::string_view(*source.bytes);
}

} // namespace

std::filesystem::path bankFile(const std::filesystem::path& projectDir)
{
    return projectDir / "bin" / "bank.bin";
}

BankStepOutcome compileAndSaveBank(const std::filesystem::path& parGenFile, const std::filesystem::path& nmeaAccessFile,
                                   const std::filesystem::path& target, const Catalog& catalog, FileWriter& writer)
{
    const Source parGen = readSource(parGenFile);
    if (parGen.failure)
        return *parGen.failure;
    const Source rules = readSource(nmeaAccessFile);
    if (rules.failure)
        return *rules.failure;

    const CompileBankResult compiled = Compile_Bank(view(parGen), view(rules), catalog);
    if (!compiled.ok()) {
        const bool parGenFailed = compiled.error->source == BankSourceError::Source::ParGen;
        return {BankStepOutcome::Status::Malformed,
                parGenFailed ? parGenFile : nmeaAccessFile,
                compiled.error->reason,
                0,
                0,
                compiled.error->at};
    }
    if (const auto error = Save_Bank(target, compiled.bank->Bytes, writer))
        return {BankStepOutcome::Status::WriteFailed, error->file, error->reason};
    return {BankStepOutcome::Status::Ok, target, {}, compiled.bank->Accepted, compiled.bank->LeftOut};
}

BankStepOutcome compileAndSaveBank(const AppState& state, FileWriter& writer)
{
    // Without a project the image would land in the current folder.
    if (!state.projectActive())
        return {BankStepOutcome::Status::WriteFailed, bankFile(state.ProjectDir), "no configuration is open"};
    std::optional<Catalog> built;
    const Catalog& catalog = state.NMEA0183 ? *state.NMEA0183 : built.emplace(Catalog::Init_NMEA0183_Map());
    return compileAndSaveBank(state.ParGenFile, state.NmeaAccessFile, bankFile(state.ProjectDir), catalog, writer);
}

} // namespace birch

#include "profiles/TFGsdmlStep.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "profiles/GsdmlName.h"
#include "profiles/GsdmlSource.h"
#include "widgets/QtText.h"

#include <filesystem>

namespace birch {

namespace {

constexpr int kCaption = 701;       // "Create the PROFINET XML GSD File"
constexpr int kOverwriteFile = 903; // "File already exists! Do you want to overwrite the file?"

std::string overLimitMessage(const AppState& state, const GsdmlDocument& document)
{
    return state.Extra[ext::kGsdmlBytesNeeded] + std::to_string(document.mapBytes) +
           state.Extra[ext::kGsdmlBytesOfDevice] + std::to_string(document.inputBytes) +
           state.Extra[ext::kGsdmlModulesMarked] + std::to_string(document.modulesBeyond);
}

} // namespace

void Create_GSDML_File(UiContext& context, QWidget* parent, const std::string& name)
{
    const AppState& state = context.state;
    if (!isPlainFileName(name)) {
        context.prompter.error(parent, qs(state.Extra[ext::kGsdmlNameHasFolder] + name));
        return;
    }
    // The dialog starts in the project folder with the composed name proposed, and lists only
    // a file of that name.
    const std::optional<QString> chosen =
        context.prompter.saveFileName(parent, qs(state.TextTable[kCaption]), qs((state.ProjectDir / name).string()),
                                      qs("PROFINET XML (" + gsdmlFilterMask(name) + ")"));
    if (!chosen)
        return;
    const std::filesystem::path target = gsdmlTarget(std::filesystem::path(ss(*chosen)), name);
    std::error_code error;
    if (std::filesystem::exists(target, error) &&
        context.prompter.destructiveQuestion(parent, qs(state.TextTable[kOverwriteFile])) != Prompter::Answer::Yes)
        return;

    const GsdmlSource source = Make_Project_GSDML(state, defaultGsdmlDevice());
    if (!source.ok()) {
        const int text =
            source.status == GsdmlSource::Status::Malformed ? ext::kGsdmlSourceMalformed : ext::kGsdmlSourceUnreadable;
        context.prompter.error(parent,
                               qs(describe(state, FileNotice{text, source.file, source.reason, false, source.at})));
        return;
    }
    const GsdmlDocument& document = source.document;
    if (document.overLimit())
        context.prompter.warning(parent, qs(overLimitMessage(state, document)));
    else if (document.modules == 0)
        context.prompter.warning(parent, qs(state.Extra[ext::kGsdmlNoRules]));

    if (const auto failure = context.fileWriter.write(target, document.xml))
        context.prompter.error(
            parent, qs(describe(state, FileNotice{ext::kFileCannotBeWritten, failure->file, failure->reason})));
}

} // namespace birch

#include "profiles/TFEsiStep.h"

#include "profiles/EsiFile.h"
#include "widgets/QtText.h"

#include <QString>

#include <filesystem>

namespace birch {

namespace {

constexpr int kNoProject = 18;
constexpr int kCaption = 36;
constexpr int kOverwrite = 903;

std::filesystem::path withExtension(const QString& chosen)
{
    std::filesystem::path file(ss(chosen));
    if (!file.has_extension())
        file += ".xml";
    return file;
}

} // namespace

void EtherCAT_ESI_File(UiContext& context, QWidget* parent)
{
    const AppState& state = context.state;
    if (!state.projectActive()) {
        context.prompter.error(parent, qs(state.TextTable[kNoProject]));
        return;
    }
    const auto chosen =
        context.prompter.saveFileName(parent, qs(state.TextTable[kCaption]), qs(state.ProjectDir.string()),
                                      QStringLiteral("EtherCAT ESI File (*.xml)"));
    if (!chosen)
        return;
    const std::filesystem::path target = withExtension(*chosen);
    std::error_code error;
    if (std::filesystem::exists(target, error) &&
        context.prompter.destructiveQuestion(parent, qs(state.TextTable[kOverwrite])) != Prompter::Answer::Yes)
        return;
    const EsiOutcome outcome = Save_Esi(state.ParGenFile, state.EtherCatSlaveFile, target, context.fileWriter);
    if (!outcome.ok())
        context.prompter.error(parent, qs(Esi_Failure_Message(state.Extra, outcome)));
}

} // namespace birch
